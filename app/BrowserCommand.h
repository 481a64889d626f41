#pragma once
// Turns a registered open command ("htmlfile\shell\open\command" and the like) into the path
// of the browser program.
#include <string>
#include <string_view>

// A value that starts with a double quote gives the text up to its closing quote; an unquoted
// value gives the text up to and including its first ".exe" (any case). Only values with
// neither keep the older cuts: at the last ",", then at the last "-" (with one blank before
// it), then a leading quote dropped and the text cut at the last quote.
std::string BrowserProgramFromCommand(std::string_view command);
