#include "app/Nameresources.h"

#include "framework/Programinfo.h"
#include "platform/Filenamebytes.h"

#include <limits>

namespace {

constexpr int kNameResourceCount = 174;

struct TNameResource
{
    const char* english;
    const char* russian;
};

// Numbers 126 to 128, 131 to 145, 156 to 167, 170 and 171 are not shown by any window and
// hold no text. Each number's two texts stand on lines of their own, however long.
// clang-format off
constexpr TNameResource kNameResources[kNameResourceCount] = {
    /* 0 */ {"byte",
             "байт"},
    /* 1 */ {"Ombrix",
             "Ombrix"},
    /* 2 */ {"Result",
             "Результат"},
    /* 3 */ {"Results of calculation",
             "Результаты вычисления"},
    /* 4 */ {"The document has been changed. \r\n Save changes?",
             "Документ был изменён. \r\n Сохранить изменения?"},
    /* 5 */ {"Attention",
             "Внимание"},
    /* 6 */ {"Open help file",
             "Открыть файл справки"},
    /* 7 */ {"Ln",
             "Стр"},
    /* 8 */ {"Col",
             "Кол"},
    /* 9 */ {"Please Wait",
             "Пожалуйста, подождите"},
    /* 10 */ {"Inserting of Text",
             "Вставка текста"},
    /* 11 */ {"Find",
             "Найти"},
    /* 12 */ {"Match Case",
             "Учитывать регистр"},
    /* 13 */ {"Goto Line",
             "Перейти к строке"},
    /* 14 */ {"Replace",
             "Заменить"},
    /* 15 */ {"Start",
             "Начать"},
    /* 16 */ {"Replace All",
             "Заменить все"},
    /* 17 */ {"Find Next",
             "Найти далее"},
    /* 18 */ {"Find What",
             "Что искать"},
    /* 19 */ {"Last",
             "Последнее"},
    /* 20 */ {"Replace With",
             "Заменить на"},
    /* 21 */ {"Calculated variables",
             "Вычисляемые переменные"},
    /* 22 */ {"What to calculate?",
             "Что вычислять?"},
    /* 23 */ {"Calculation",
             "Вычисление"},
    /* 24 */ {"Variables for calculation are not chosen!",
             "Переменные для вычисления не выбраны!"},
    /* 25 */ {"Results of calculations",
             "Результаты вычислений"},
    /* 26 */ {"Save",
             "Сохранить"},
    /* 27 */ {"The document is empty",
             "Документ пуст"},
    /* 28 */ {"File's name",
             "Имя файла"},
    /* 29 */ {"The size of a file",
             "Размер файла"},
    /* 30 */ {"Date of creation of a file",
             "Дата создания файла"},
    /* 31 */ {"Date of change of a file",
             "Дата изменения файла"},
    /* 32 */ {"Date of last access to a file",
             "Дата последнего доступа к файлу"},
    /* 33 */ {"The file is not defined",
             "Файл не определён"},
    /* 34 */ {"The file is not found",
             "Файл не найден"},
    /* 35 */ {"Text file",
             "Текстовый файл"},
    /* 36 */ {"Options",
             "Параметры"},
    /* 37 */ {"Show Program",
             "Показать программу"},
    /* 38 */ {"Hide Program",
             "Скрыть программу"},
    /* 39 */ {"Normal",
             "Обычный"},
    /* 40 */ {"Bold",
             "Жирный"},
    /* 41 */ {"Italic",
             "Курсив"},
    /* 42 */ {"Bold italic",
             "Жирный курсив"},
    /* 43 */ {"The chosen options will be saved at closing the program",
             "Выбранные параметры будут сохранены при закрытии программы"},
    /* 44 */ {"Font",
             "Шрифт"},
    /* 45 */ {"Color",
             "Цвет"},
    /* 46 */ {"Name",
             "Название"},
    /* 47 */ {"Pattern",
             "Начертание"},
    /* 48 */ {"Size",
             "Размер"},
    /* 49 */ {"Background",
             "Фон"},
    /* 50 */ {"Default",
             "По умолчанию"},
    /* 51 */ {"Save Now",
             "Сохранить сейчас"},
    /* 52 */ {"OK",
             "Принять"},
    /* 53 */ {"OK",
             "OK"},
    /* 54 */ {"Cancel",
             "Отмена"},
    /* 55 */ {"Sample",
             "Образец"},
    /* 56 */ {"Word-Wrap",
             "Перенос по словам"},
    /* 57 */ {"Always on top",
             "Поверх всех окон"},
    /* 58 */ {"Editor",
             "Редактор"},
    /* 59 */ {"Window with messages",
             "Окно сообщений"},
    /* 60 */ {"Window with results",
             "Окно результатов"},
    /* 61 */ {"To use key 'Tab'",
             "Использовать клавишу 'Tab'"},
    /* 62 */ {"Format of results",
             "Формат результатов"},
    /* 63 */ {"Where to display results",
             "Где показывать результаты"},
    /* 64 */ {"Number format",
             "Формат чисел"},
    /* 65 */ {"In editor window",
             "В окне редактора"},
    /* 66 */ {"In window with messages",
             "В окне сообщений"},
    /* 67 */ {"In individual window",
             "В отдельном окне"},
    /* 68 */ {"Standard format, for example: 1234567.89",
             "Стандартный формат, например: 1234567.89"},
    /* 69 */ {"Standard format with thousand separator, for example: 1 234 567.89",
             "Стандартный формат с разделителем тысяч, например: 1 234 567.89"},
    /* 70 */ {"Scientific notation, for example: 1.2345e+006",
             "Научный формат, например: 1.2345e+006"},
    /* 71 */ {"Numbers in the fractional part",
             "Знаков в дробной части"},
    /* 72 */ {"&1 File",
             "&1 Файл"},
    /* 73 */ {"&2 Edit",
             "&2 Правка"},
    /* 74 */ {"&3 View",
             "&3 Вид"},
    /* 75 */ {"&4 Calculation",
             "&4 Вычисление"},
    /* 76 */ {"&5 Options",
             "&5 Параметры"},
    /* 77 */ {"&6 Help",
             "&6 Справка"},
    /* 78 */ {"New",
             "Новый"},
    /* 79 */ {"Open ...",
             "Открыть ..."},
    /* 80 */ {"Save",
             "Сохранить"},
    /* 81 */ {"Save As ...",
             "Сохранить как ..."},
    /* 82 */ {"About file",
             "О файле"},
    /* 83 */ {"Recent Files",
             "Последние файлы"},
    /* 84 */ {"There are no files",
             "Нет файлов"},
    /* 85 */ {"To clear the list of recent files",
             "Очистить список последних файлов"},
    /* 86 */ {"Search of a file",
             "Поиск файла"},
    /* 87 */ {"Exit",
             "Выход"},
    /* 88 */ {"Undo",
             "Отменить"},
    /* 89 */ {"Cut",
             "Вырезать"},
    /* 90 */ {"Copy",
             "Копировать"},
    /* 91 */ {"Paste",
             "Вставить"},
    /* 92 */ {"Delete",
             "Удалить"},
    /* 93 */ {"Select All",
             "Выделить всё"},
    /* 94 */ {"Word-Wrap",
             "Перенос по словам"},
    /* 95 */ {"Goto Line ...",
             "Перейти к строке ..."},
    /* 96 */ {"Find ...",
             "Найти ..."},
    /* 97 */ {"Find Next",
             "Найти далее"},
    /* 98 */ {"Replace ...",
             "Заменить ..."},
    /* 99 */ {"Show/Hide Toolbar",
             "Показать/скрыть панель инструментов"},
    /* 100 */ {"Show/Hide Leftbar",
             "Показать/скрыть левую панель"},
    /* 101 */ {"Show/Hide Status Bar",
             "Показать/скрыть строку состояния"},
    /* 102 */ {"Show/Hide Window with Messages",
             "Показать/скрыть окно сообщений"},
    /* 103 */ {"Hide Window with Messages",
             "Скрыть окно сообщений"},
    /* 104 */ {"Calculate All",
             "Вычислить всё"},
    /* 105 */ {"Calculate",
             "Вычислить"},
    /* 106 */ {"Calculate ...",
             "Вычислить ..."},
    /* 107 */ {"Decrease Window's Size",
             "Уменьшить размер окна"},
    /* 108 */ {"Copy",
             "Копировать"},
    /* 109 */ {"Select All",
             "Выделить всё"},
    /* 110 */ {"Clear Window with Messages",
             "Очистить окно сообщений"},
    /* 111 */ {"System's options",
             "Системные параметры"},
    /* 112 */ {"Editor",
             "Редактор"},
    /* 113 */ {"Window with messages",
             "Окно сообщений"},
    /* 114 */ {"Format of results",
             "Формат результатов"},
    /* 115 */ {"Window with results",
             "Окно результатов"},
    /* 116 */ {"Testing",
             "Тестирование"},
    /* 117 */ {"Contents",
             "Содержание"},
    /* 118 */ {"About ...",
             "О программе ..."},
    /* 119 */ {nullptr, nullptr}, // composed at look-up
    /* 120 */ {"Zoom In",
             "Увеличить"},
    /* 121 */ {"Zoom Out",
             "Уменьшить"},
    /* 122 */ {"Zoom Default",
             "Исходный масштаб"},
    /* 123 */ {"Do you want to clear the list of recent files?",
             "Вы хотите очистить список последних файлов?"},
    /* 124 */ {"Version",
             "Версия"},
    /* 125 */ {"The program for arithmetic, mathematical calculations. \r\nThe expressions for the calculation are represented as the text that is very obvious, visual and very convenient at bulky calculations. Rules of a spelling of the mathematical text are simple and intuitively clear.",
             "Программа для арифметических, математических вычислений. \r\nВыражения для вычисления записываются в виде текста, что очень наглядно, понятно и очень удобно при громоздких вычислениях. Правила записи математического текста просты и интуитивно понятны."},
    /* 126 */ {"", ""},
    /* 127 */ {"", ""},
    /* 128 */ {"", ""},
    /* 129 */ {"Email for technical support and your comments : ",
             "Электронная почта для технической поддержки и ваших отзывов : "},
    /* 130 */ {nullptr, nullptr}, // composed at look-up
    /* 131 */ {"", ""},
    /* 132 */ {"", ""},
    /* 133 */ {"", ""},
    /* 134 */ {"", ""},
    /* 135 */ {"", ""},
    /* 136 */ {"", ""},
    /* 137 */ {"", ""},
    /* 138 */ {"", ""},
    /* 139 */ {"", ""},
    /* 140 */ {"", ""},
    /* 141 */ {"", ""},
    /* 142 */ {"", ""},
    /* 143 */ {"", ""},
    /* 144 */ {"", ""},
    /* 145 */ {"", ""},
    /* 146 */ {"Load configuration from user settings",
             "Загрузить конфигурацию из пользовательских настроек"},
    /* 147 */ {"Load configuration from INI file",
             "Загрузить конфигурацию из INI-файла"},
    /* 148 */ {nullptr, nullptr}, // composed at look-up
    /* 149 */ {"To save the individual options of each user in the user's own settings",
             "Сохранять индивидуальные параметры каждого пользователя в его собственных настройках"},
    /* 150 */ {"To show the Tray Icon",
             "Показывать значок в области уведомлений"},
    /* 151 */ {"To hide icon in the panel of tasks at minimization of window",
             "Скрывать значок на панели задач при сворачивании окна"},
    /* 152 */ {"To not display icon in the panel of tasks",
             "Не показывать значок на панели задач"},
    /* 153 */ {"To use an auxiliary file for writing messages",
             "Использовать вспомогательный файл для записи сообщений"},
    /* 154 */ {nullptr, nullptr}, // composed at look-up
    /* 155 */ {"The document holds characters that the Windows-1251 code page cannot represent, so it is saved in UTF-8.",
             "Документ содержит символы, которых нет в кодовой странице Windows-1251, поэтому он сохраняется в UTF-8."},
    /* 156 */ {"", ""},
    /* 157 */ {"", ""},
    /* 158 */ {"", ""},
    /* 159 */ {"", ""},
    /* 160 */ {"", ""},
    /* 161 */ {"", ""},
    /* 162 */ {"", ""},
    /* 163 */ {"", ""},
    /* 164 */ {"", ""},
    /* 165 */ {"", ""},
    /* 166 */ {"", ""},
    /* 167 */ {"", ""},
    /* 168 */ {"Some bytes of this document cannot be saved back as they are (a NUL byte becomes a blank, a line or paragraph separator a line break): saving will change the file.",
             "Некоторые байты этого документа нельзя сохранить в прежнем виде (нулевой байт станет пробелом, разделитель строк или абзацев — переводом строки): сохранение изменит файл."},
    /* 169 */ {"The options are not saved.",
             "Настройки не сохранены."},
    /* 170 */ {"", ""},
    /* 171 */ {"", ""},
    /* 172 */ {"Stop",
               "Остановить"},
    /* 173 */ {"Error",
             "Ошибка"},
};
// clang-format on

// Texts that name the program, its log file or its documents are put together when asked for.
constexpr quint8 kAboutProgram = 119;
constexpr quint8 kThankYou = 130;
constexpr quint8 kAssociateExtension = 148;
constexpr quint8 kLogFileExplained = 154;

QString composedText(quint8 id)
{
    const QString program = getProgramName();
    switch (id) {
    case kAboutProgram:
        return selectLanguageText(QLatin1String("About ") + program + QLatin1String(" ..."),
                                  QString::fromUtf8("О программе ") + program
                                      + QLatin1String(" ..."));
    case kThankYou:
        return selectLanguageText(QLatin1String("Thank you for using ") + program
                                      + QLatin1Char('.'),
                                  QString::fromUtf8("Спасибо за использование ") + program
                                      + QLatin1Char('.'));
    case kAssociateExtension:
        return selectLanguageText(QLatin1String("Associate ") + program
                                      + QLatin1String(" with the files with extension ")
                                      + getDocumentExtension(),
                                  QString::fromUtf8("Связать ") + program
                                      + QString::fromUtf8(" с файлами с расширением ")
                                      + getDocumentExtension());
    case kLogFileExplained: {
        const QString logFile = getLogFileName();
        return selectLanguageText(
            QLatin1String("The information about errors, time of start and end of the program "
                          "will be written in a special file ")
                + logFile + QLatin1Char('.'),
            QString::fromUtf8("Информация об ошибках, времени запуска и завершения программы "
                              "будет записываться в специальный файл ")
                + logFile + QLatin1Char('.'));
    }
    default:
        return QStringLiteral("?");
    }
}

} // namespace

QString selectLanguageText(const QString& english, const QString& /*russian*/)
{
    return english;
}

QString getNameResource(quint8 id)
{
    if (id >= kNameResourceCount)
        return QStringLiteral("?");
    const TNameResource& entry = kNameResources[id];
    if (entry.english == nullptr)
        return composedText(id);
    return selectLanguageText(QString::fromUtf8(entry.english), QString::fromUtf8(entry.russian));
}

QString getNameResourceTextNotFound(const QString& text)
{
    return selectLanguageText(QLatin1String("The text '") + text + QLatin1String("' is not found."),
                              QString::fromUtf8("Текст '") + text
                                  + QString::fromUtf8("' не найден."));
}

QString getNameResourceTextTooBig()
{
    return selectLanguageText(
        QStringLiteral("The text very big.\r\nThis text will be cut down up to 64 000 symbols."),
        QString::fromUtf8("Текст очень большой.\r\nЭтот текст будет сокращён до 64 000 символов."));
}

QString getNameResourceNotLineNumber(const QString& text)
{
    const QString largest = QString::number(std::numeric_limits<qint32>::max());
    return selectLanguageText(QLatin1String("The text '") + text
                                  + QLatin1String("' is not a number from 0 to ") + largest
                                  + QLatin1Char('.'),
                              QString::fromUtf8("Текст '") + text
                                  + QString::fromUtf8("' не является числом от 0 до ") + largest
                                  + QLatin1Char('.'));
}

QString getNameResourceFileNotFound(const QString& name)
{
    const QString shown = shownFileName(name);
    return selectLanguageText(QLatin1String("The file '") + shown
                                  + QLatin1String("' is not found."),
                              QString::fromUtf8("Файл '") + shown
                                  + QString::fromUtf8("' не найден."));
}

QString getNameResourceFileReadError(const QString& name)
{
    const QString shown = shownFileName(name);
    return selectLanguageText(QLatin1String("Error at reading of a file '") + shown
                                  + QLatin1String("'."),
                              QString::fromUtf8("Ошибка при чтении файла '") + shown
                                  + QLatin1String("'."));
}

QString getNameResourceFileWriteError(const QString& name)
{
    const QString shown = shownFileName(name);
    return selectLanguageText(QLatin1String("Error at writing of a file '") + shown
                                  + QLatin1String("'."),
                              QString::fromUtf8("Ошибка при записи файла '") + shown
                                  + QLatin1String("'."));
}

QString getNameResourceTestInputCut(const QString& name, qint64 characters)
{
    const QString shown = shownFileName(name);
    const QString count = QString::number(characters);
    return selectLanguageText(
        QLatin1String("The file '") + shown
            + QLatin1String("' is longer than the test can take: only its first ") + count
            + QLatin1String(" characters were tested."),
        QString::fromUtf8("Файл '") + shown
            + QString::fromUtf8("' длиннее, чем может принять тест: проверены только первые ")
            + count + QString::fromUtf8(" символов."));
}

QString getNameResource(TTextId id)
{
    return getNameResource(static_cast<quint8>(id));
}

QString blankCaption(TTextId id)
{
    return QLatin1Char(' ') + getNameResource(id);
}

QString labelCaption(TTextId id)
{
    return getNameResource(id) + QLatin1Char(':');
}
