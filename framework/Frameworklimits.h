#pragma once

// The framework's fixed sizes, in one place.

// Most-recently-used lists.
constexpr int kRecentFilesCount = 5;    // recent documents kept by the options manager
constexpr int kChosenStringsCount = 12; // search and replace histories

// Lists of short strings (font names, variable names).
constexpr int kShortStringMaxLength = 255;
constexpr int kShortStringBlock = 21; // storage grows by this many slots at a time

// Log file.
constexpr int kLogLinesKept = 64; // lines held before writing, and lines kept when cutting
constexpr int kLogLineMaxLength = 512;
constexpr long long kLogSizeLimit = 262144; // beyond this many bytes the log is cut
// The end of the log read to cut it: room for kLogLinesKept lines of kLogLineMaxLength
// characters of up to four bytes each, and a line end of up to two bytes after each.
constexpr long long kLogTailMaxBytes = kLogLinesKept * (kLogLineMaxLength * 4LL + 2);

// Options.
constexpr long long kIniFileSizeLimit = 1048576; // a larger options file holds no options of ours
