#pragma once
// Versions as products' entries and discs write them: "4.0.2", "v4.0 build 7",
// "2.1-rc1", "2.1 beta 2", "4.0 (x64)".

// Compares two versions: <0 when `left` is older, 0 when they are the same
// version, >0 when it is newer. Numbers compare as numbers ("4.10" after
// "4.9"; a missing number counts as 0, "build N" continues them); a release
// label after the numbers (alpha, beta, rc, pre, preview, dev; "b" or "a"
// before a number) sorts before the release itself, two labels on the same
// numbers by their words, then their numbers ("beta" before "rc1", "rc9"
// before "rc10"); any other words after the numbers ("(x64)", "Release") are
// no part of the version. Text before the first number is skipped ("v4.0").
int CompareVersions(const char *left, const char *right);
