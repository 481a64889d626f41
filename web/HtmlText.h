#pragma once
// The small text operations that turn a fetched page, or a piece of one, into plain text.
// They know a handful of patterns only (script elements, tags as "<...>", ten entities) and
// leave everything else as it stands. Each runs in time linear in its input; a NUL byte is an
// ordinary character to all of them.
#include <string>
#include <string_view>

// A copy of text in which every occurrence of find, matched without regard to letter case, is
// replaced. Matches are taken left to right without overlapping and the inserted replacement
// is never searched again, so "&" -> "%26" is safe. Unmatched parts keep their letter case.
// An empty find replaces nothing.
std::string ReplaceAllNoCase(std::string_view text, std::string_view find,
                             std::string_view replacement);

// text without its script elements: everything from a "<script" (any case, and any tag name
// that begins so) through the next "/script>". An unterminated element drops the rest.
std::string RemoveScriptElements(std::string_view text);

// Trims white space at both ends and turns every line feed into one blank. Carriage returns
// stay, so CR LF becomes CR and a blank.
void CollapseLines(std::string& text);

// Strips tags (from a "<" through the next ">"; a "<" with no later ">" is dropped alone) and
// then replaces the ten known entities in their fixed order: "&nbsp;" -> blank, "&amp;" -> "&",
// and "&aring;", "&auml;", "&eacute;", "&iacute;", "&igrave;", "&ograve;", "&ouml;", "&szlig;"
// removed. An entity's step runs only when its exact lower-case spelling is present, and then
// replaces it in every letter case.
void HtmlToText(std::string& text);
