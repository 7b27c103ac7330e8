#include "app/Nameresources.h"

#include "platform/Filenamebytes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every text a window shows, as it must read.
const std::pair<int, const char*> kGolden[] = {
    {0, "byte"},
    {1, "Ombrix"},
    {2, "Result"},
    {3, "Results of calculation"},
    {4, "The document has been changed. \r\n Save changes?"},
    {5, "Attention"},
    {6, "Open help file"},
    {7, "Ln"},
    {8, "Col"},
    {9, "Please Wait"},
    {10, "Inserting of Text"},
    {11, "Find"},
    {12, "Match Case"},
    {13, "Goto Line"},
    {14, "Replace"},
    {15, "Start"},
    {16, "Replace All"},
    {17, "Find Next"},
    {18, "Find What"},
    {19, "Last"},
    {20, "Replace With"},
    {21, "Calculated variables"},
    {22, "What to calculate?"},
    {23, "Calculation"},
    {24, "Variables for calculation are not chosen!"},
    {25, "Results of calculations"},
    {26, "Save"},
    {27, "The document is empty"},
    {28, "File's name"},
    {29, "The size of a file"},
    {30, "Date of creation of a file"},
    {31, "Date of change of a file"},
    {32, "Date of last access to a file"},
    {33, "The file is not defined"},
    {34, "The file is not found"},
    {35, "Text file"},
    {36, "Options"},
    {37, "Show Program"},
    {38, "Hide Program"},
    {39, "Normal"},
    {40, "Bold"},
    {41, "Italic"},
    {42, "Bold italic"},
    {43, "The chosen options will be saved at closing the program"},
    {44, "Font"},
    {45, "Color"},
    {46, "Name"},
    {47, "Pattern"},
    {48, "Size"},
    {49, "Background"},
    {50, "Default"},
    {51, "Save Now"},
    {52, "OK"},
    {53, "OK"},
    {54, "Cancel"},
    {55, "Sample"},
    {56, "Word-Wrap"},
    {57, "Always on top"},
    {58, "Editor"},
    {59, "Window with messages"},
    {60, "Window with results"},
    {61, "To use key 'Tab'"},
    {62, "Format of results"},
    {63, "Where to display results"},
    {64, "Number format"},
    {65, "In editor window"},
    {66, "In window with messages"},
    {67, "In individual window"},
    {68, "Standard format, for example: 1234567.89"},
    {69, "Standard format with thousand separator, for example: 1 234 567.89"},
    {70, "Scientific notation, for example: 1.2345e+006"},
    {71, "Numbers in the fractional part"},
    {72, "&1 File"},
    {73, "&2 Edit"},
    {74, "&3 View"},
    {75, "&4 Calculation"},
    {76, "&5 Options"},
    {77, "&6 Help"},
    {78, "New"},
    {79, "Open ..."},
    {80, "Save"},
    {81, "Save As ..."},
    {82, "About file"},
    {83, "Recent Files"},
    {84, "There are no files"},
    {85, "To clear the list of recent files"},
    {86, "Search of a file"},
    {87, "Exit"},
    {88, "Undo"},
    {89, "Cut"},
    {90, "Copy"},
    {91, "Paste"},
    {92, "Delete"},
    {93, "Select All"},
    {94, "Word-Wrap"},
    {95, "Goto Line ..."},
    {96, "Find ..."},
    {97, "Find Next"},
    {98, "Replace ..."},
    {99, "Show/Hide Toolbar"},
    {100, "Show/Hide Leftbar"},
    {101, "Show/Hide Status Bar"},
    {102, "Show/Hide Window with Messages"},
    {103, "Hide Window with Messages"},
    {104, "Calculate All"},
    {105, "Calculate"},
    {106, "Calculate ..."},
    {107, "Decrease Window's Size"},
    {108, "Copy"},
    {109, "Select All"},
    {110, "Clear Window with Messages"},
    {111, "System's options"},
    {112, "Editor"},
    {113, "Window with messages"},
    {114, "Format of results"},
    {115, "Window with results"},
    {116, "Testing"},
    {117, "Contents"},
    {118, "About ..."},
    {119, "About Ombrix ..."},
    {120, "Zoom In"},
    {121, "Zoom Out"},
    {122, "Zoom Default"},
    {123, "Do you want to clear the list of recent files?"},
    {124, "Version"},
    {125,
     "The program for arithmetic, mathematical calculations. \r\nThe expressions for the calculation are represented as the text that is very obvious, visual and very convenient at bulky calculations. Rules of a spelling of the mathematical text are simple and intuitively clear."},
    {129, "Email for technical support and your comments : "},
    {130, "Thank you for using Ombrix."},
    {146, "Load configuration from user settings"},
    {147, "Load configuration from INI file"},
    {148, "Associate Ombrix with the files with extension .ombx"},
    {149, "To save the individual options of each user in the user's own settings"},
    {150, "To show the Tray Icon"},
    {151, "To hide icon in the panel of tasks at minimization of window"},
    {152, "To not display icon in the panel of tasks"},
    {153, "To use an auxiliary file for writing messages"},
    {154,
     "The information about errors, time of start and end of the program will be written in a special file ombrix.log."},
    {155,
     "The document holds characters that the Windows-1251 code page cannot represent, so it is saved in UTF-8."},
    {168,
     "Some bytes of this document cannot be saved back as they are (a NUL byte becomes a blank, a line or paragraph separator a line break): saving will change the file."},
    {169, "The options are not saved."},
    {172, "Stop"},
    {173, "Error"},
};

// Numbers no window shows: they hold no text.
bool isUnused(int id)
{
    return (id >= 126 && id <= 128) || (id >= 131 && id <= 145) || (id >= 156 && id <= 167)
           || id == 170 || id == 171;
}

TEST(NameResources, EveryTextGolden)
{
    std::set<int> seen;
    for (const auto& [id, text] : kGolden) {
        EXPECT_EQ(getNameResource(static_cast<quint8>(id)).toStdString(), text) << "id " << id;
        seen.insert(id);
    }
    for (int id = 0; id <= 173; ++id) {
        if (isUnused(id))
            EXPECT_EQ(getNameResource(static_cast<quint8>(id)), QString()) << "id " << id;
        else
            EXPECT_EQ(seen.count(id), 1u) << "id " << id << " has no golden text";
    }
}

TEST(NameResources, NamedIdsGiveTheirNumbersTexts)
{
    struct TCase
    {
        TTextId id;
        int number;
        const char* text;
    };
    const TCase cases[] = {
        {TTextId::Byte, 0, "byte"}, // the first
        {TTextId::ProgramName, 1, "Ombrix"},
        {TTextId::DocumentChangedSaveQuery, 4, "The document has been changed. \r\n Save changes?"},
        {TTextId::Cancel, 54, "Cancel"},
        {TTextId::Exit, 87, "Exit"},
        {TTextId::AboutProgram, 119, "About Ombrix ..."},
        {TTextId::ThankYou, 130, "Thank you for using Ombrix."}, // after the unused 126 to 128
        {TTextId::LoadFromUserSettings, 146,
         "Load configuration from user settings"}, // after 131 to 145
        {TTextId::Stop, 172, "Stop"},              // after the unused 170 and 171
        {TTextId::Error, 173, "Error"},            // the last
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(static_cast<int>(c.id), c.number) << c.text;
        EXPECT_EQ(getNameResource(c.id).toStdString(), c.text) << c.number;
    }
}

TEST(NameResources, NumbersOutsideTheCatalogueGiveAQuestionMark)
{
    for (const int id : {174, 200, 255})
        EXPECT_EQ(getNameResource(static_cast<quint8>(id)), QStringLiteral("?")) << id;
}

TEST(NameResources, MessagesWithANameOrText)
{
    struct TCase
    {
        QString actual;
        const char* expected;
    };
    const TCase cases[] = {
        {getNameResourceTextNotFound(QStringLiteral("sin(x)")), "The text 'sin(x)' is not found."},
        {getNameResourceTextNotFound(QString()), "The text '' is not found."},
        {getNameResourceNotLineNumber(QStringLiteral("2147483648")),
         "The text '2147483648' is not a number from 0 to 2147483647."},
        {getNameResourceNotLineNumber(QString()),
         "The text '' is not a number from 0 to 2147483647."},
        {getNameResourceTextTooBig(),
         "The text very big.\r\nThis text will be cut down up to 64 000 symbols."},
        {getNameResourceFileNotFound(QStringLiteral("/home/u/a b.ombx")),
         "The file '/home/u/a b.ombx' is not found."},
        {getNameResourceFileNotFound(QString()), "The file '' is not found."},
        {getNameResourceFileReadError(QStringLiteral("x.txt")),
         "Error at reading of a file 'x.txt'."},
        {getNameResourceFileWriteError(QStringLiteral("x.txt")),
         "Error at writing of a file 'x.txt'."},
        {getNameResourceFileReadError(QString::fromUtf8("\xd1\x84.txt")),
         "Error at reading of a file '\xd1\x84.txt'."},
        {getNameResourceFileWriteError(QStringLiteral("/a/r.txt")),
         "Error at writing of a file '/a/r.txt'."},
        // As a self-test's input named on the command line: a byte that is no text is shown so.
        {getNameResourceFileReadError(fileNameOfBytes("/a/c\xE4.txt")),
         "Error at reading of a file '/a/c\xEF\xBF\xBD.txt'."},
        {getNameResourceTestInputCut(QStringLiteral("big.txt"), 511999998),
         "The file 'big.txt' is longer than the test can take: only its first 511999998 "
         "characters were tested."},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.actual.toStdString(), c.expected);
}

TEST(NameResources, CaptionsAsTheWindowsShowThem)
{
    struct TCase
    {
        QString actual;
        const char* expected;
        const char* reason;
    };
    const TCase cases[] = {
        {blankCaption(TTextId::Find), " Find", "a window caption: one blank before"},
        {blankCaption(TTextId::MatchCase), " Match Case", "a check box"},
        {blankCaption(TTextId::Attention), " Attention", "a message box caption"},
        {labelCaption(TTextId::FindWhat), "Find What:", "a label: a colon after, no blank"},
        {labelCaption(TTextId::CalculatedVariables), "Calculated variables:", "the variable list"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.actual.toStdString(), c.expected) << c.reason;
}

TEST(NameResources, EnglishIsChosen)
{
    EXPECT_EQ(selectLanguageText(QStringLiteral("Cancel"),
                                 QString::fromUtf8(
                                     "\xd0\x9e\xd1\x82\xd0\xbc\xd0\xb5\xd0\xbd\xd0\xb0")),
              QStringLiteral("Cancel"));
}

} // namespace
