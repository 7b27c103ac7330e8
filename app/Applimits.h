#pragma once

#include <QtGlobal>

#include <array>

// The windows' fixed sizes and thresholds, in one place.

// Editor and calculation.
constexpr int kEditorMaxChars = 64000; // line breaks count; the text beyond is cut
// The most of a document's file that is read: what fills the editor in any encoding (three
// bytes of UTF-8 for one character), with room for a byte-order mark and a cut character.
constexpr qint64 kDocumentReadMaxBytes = 3 * qint64(kEditorMaxChars) + 16;
constexpr int kWaitWindowThreshold = 10000; // longer texts show the wait window during a run
constexpr int kWaitWindowDelayMs = 1000;    // any run this long shows the wait window
constexpr int kQuickRunMs = 50;             // a run this short keeps the window as it is
// The calculation thread's stack: the interpreter's depth limits take a few megabytes of it.
constexpr unsigned kCalculationStackBytes = 16u * 1024 * 1024;
constexpr int kEditorTabWidth = 8; // tab stops of the status line and the messages

// Font sizes in points the text areas show; a stored size outside is shown at the nearer end.
constexpr int kFontSizeMin = 1;
constexpr int kFontSizeMax = 400;

// Recent-files menu: longer paths are shown as their two ends around "...".
constexpr int kRecentMenuPathMax = 80;
constexpr int kRecentMenuPathEnd = 38;

// Main window.
constexpr int kMainWindowMinWidth = 349;
constexpr int kMainWindowMinHeight = 160;
constexpr int kMessagesPaneMinHeight = 77;
constexpr int kMessagesPaneStartHeight = 120;
constexpr int kTrayRefreshIntervalMs = 5000;
constexpr int kToolBarIconSize = 24; // the main window's and the dialogs' tool bars

// Window placement: a stored place is kept only this far (or the window's own size, where
// smaller) inside the virtual desktop.
constexpr int kPlacementMarginRight = 350;
constexpr int kPlacementMarginBottom = 250;
constexpr int kPlacementFallbackOffset = 10;
constexpr int kFallbackWindowWidth = 550;
constexpr int kFallbackWindowHeight = 450;

// Zoom of the variable-choice dialog and the results window: font sizes in points.
constexpr std::array<int, 24> kZoomFontSizes = {8,  9,  10, 11, 12, 14, 16, 18, 20, 22, 24, 26,
                                                28, 30, 32, 34, 36, 38, 40, 42, 44, 46, 48, 72};
constexpr int kZoomDefaultIndex = 2; // 10 points

// Variable choice.
constexpr int kSelectVariableMinWidth = 215;
constexpr int kSelectVariableMinHeight = 235;
constexpr int kSelectVariableWidth = 300;
constexpr int kSelectVariableHeight = 380;

// Results window.
constexpr int kViewResultsMinWidth = 250;
constexpr int kViewResultsMinHeight = 90;

// Results text.
constexpr int kPrecisionMin = 1;
constexpr int kPrecisionMax = 15;
constexpr int kFixedSignificantDigits = 18; // fixed formats keep no more digits than this

// The picture at the left edge of the find, replace, go-to-line, options, file-information
// and wait windows.
constexpr int kDialogPictureWidth = 52;

// Find, replace and go-to-line dialogs.
constexpr int kSearchFieldWidth = 260; // the find and replace text fields
constexpr int kGotoFieldWidth = 180;

// About, file-information and wait windows.
constexpr int kAboutTextWidth = 400; // the description wraps at this width
constexpr int kAboutTitleScale = 2;  // the program name against the normal font size
constexpr int kAboutIconSize = 48;   // the program's icon beside its name
constexpr int kFileInfoMinWidth = 200;
constexpr int kFileInfoMinHeight = 170;
constexpr int kFileInfoWidth = 480;
constexpr int kFileInfoHeight = 190;

// Options dialog.
constexpr int kOptionsPrecisionItems = 12;   // the precision list offers 1 to this
constexpr int kOptionsBuiltInPrecision = 12; // shown by Default; one the list holds
constexpr int kOptionsSizeFieldWidth = 3;    // font sizes are listed right-aligned, "  8"
constexpr int kOptionsSampleWidth = 240;
constexpr int kOptionsSampleHeight = 72;
constexpr int kOptionsSampleMargin = 3;   // where a sample too large to centre starts
constexpr int kOptionsNameListChars = 24; // long font names do not widen the dialog
