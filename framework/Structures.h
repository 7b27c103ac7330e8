#pragma once

#include <QFlags>
#include <QString>

#include <cstdint>

// A colour as stored in the options: 0x00BBGGRR, so 0 is black.
using TColor = std::int32_t;

constexpr TColor kColorWhite = 0x00FFFFFF;

enum class TFontStyle : unsigned {
    Bold = 0x1,
    Italic = 0x2,
    Underline = 0x4,
    StrikeOut = 0x8,
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// The stored number of a font style: 0 plain, 1 italic, 2 bold, 3 bold italic. Underline and
// strike-out are not stored; any other number reads as plain.
int fontStylesToNumber(TFontStyles styles);
TFontStyles numberToFontStyles(int number);

// The option records. Each starts with the values a new main window has before any options
// are loaded; a load replaces them with the stored values or the keys' own defaults.

// Section "FormMain".
struct TOptionsFormMain
{
    int Top = 10;
    int Left = 10;
    int Width = 550;
    int Height = 450;
    bool ShowToolBar = true;
    bool ShowStatusBar = true;
    bool ShowWindowMessages = true;
    bool Maximized = false;
    bool ShowSystemTrayIcon = false;
    bool MinimizeToTaskBar = true;
    bool ShowTaskBarIcon = true;
    bool WriteLogs = false;
    bool UseRegister = true;
    bool UseFileExtension = true;

    bool operator==(const TOptionsFormMain&) const = default;
};

// Section "Editor".
struct TOptionsEditor
{
    QString FontName = QStringLiteral("Courier New");
    TFontStyles FontStyle;
    int FontSize = 10;
    TColor FontColor = 0;
    TColor BackgroundColor = kColorWhite;
    bool UseTab = true;

    bool operator==(const TOptionsEditor&) const = default;
};

// Section "WinMsg": the messages pane under the editor.
struct TOptionsWinMsg
{
    QString FontName = QStringLiteral("Courier New");
    TFontStyles FontStyle;
    int FontSize = 10;
    TColor FontColor = 0;
    TColor BackgroundColor = kColorWhite;
    bool WrapWord = false;

    bool operator==(const TOptionsWinMsg&) const = default;
};

// Section "ViewResult": where results go (0 editor, 1 messages pane, 2 results window), the
// digits of the fractional part, and the number format (0 with thousand separators,
// 1 standard, 2 scientific).
struct TOptionsViewResult
{
    int WhereShowResult = 1;
    int Precision = 15;
    int FormatNumber = 0;

    bool operator==(const TOptionsViewResult&) const = default;
};

// Section "Testing": the self-test input and report files.
struct TOptionsTesting
{
    QString TestingFileIn;
    QString TestingFileOut;

    bool operator==(const TOptionsTesting&) const = default;
};

// Section "FormViewResult": the results window.
struct TOptionsFormViewResults
{
    int Top = 10;
    int Left = 10;
    int Width = 550;
    int Height = 450;
    bool ShowToolBar = true;
    bool StayOnTop = true;
    QString FontName = QStringLiteral("Courier New");
    TFontStyles FontStyle;
    int FontSize = 10;
    TColor FontColor = 0;
    TColor BackgroundColor = kColorWhite;
    bool WrapWord = false;

    bool operator==(const TOptionsFormViewResults&) const = default;
};
