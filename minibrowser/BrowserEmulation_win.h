#pragma once
// The page control shows pages as an old browser generation unless the program is listed for
// a newer document mode: the program's file name under the current user's
// FEATURE_BROWSER_EMULATION key, value 11001. The installer's uninstall takes the value away.

constexpr char kBrowserEmulationKey[] =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
constexpr unsigned long kBrowserEmulationMode = 11001;

// Writes the value for this program's file name (done at every start: the program may have
// been renamed). False when the registry refused.
bool RegisterBrowserEmulation();
