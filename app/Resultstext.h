#pragma once

#include "interpreter/QMInterpreter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the main window makes of a run: the message lines and the results text.

// Where a results text goes. Any stored value but 0 and 2 means the messages pane, wherever
// the value is read.
enum class TResultsDestination { Editor = 0, MessagesPane = 1, ResultsWindow = 2 };
TResultsDestination resultsDestination(int whereShowResult);

// How the values of a results text are written and where the text goes.
struct TResultsStyle
{
    int whereShowResult = 0; // 0 the editor: the lines become comments of the text
    QString numberFormat;    // a pattern of buildNumberFormat
    QString thousandSeparator;
};

// "//" for the editor, nothing for the other destinations.
QString resultsPrefix(int whereShowResult);

// The name trimmed of blanks and control characters, " = " and the value; "(ERROR)" stands
// for a value the pattern cannot write.
QString formatResult(const QString& name, double value, const QString& numberFormat,
                     const QString& thousandSeparator);

// Every message of the last run, one line each: errors first, then warnings, then plain
// messages.
QStringList messageLines(const xonQMInterpreter::CQMInterpreter& interpreter);

// The names of the last run's variables as the interpreter holds them (cp1251 bytes), in
// their order.
QList<QByteArray> variableNames(const xonQMInterpreter::CQMInterpreter& interpreter);

// The header line and one line per variable, each ended by CR LF; empty when the run left no
// variable.
QString buildResultsText(const xonQMInterpreter::CQMInterpreter& interpreter,
                         const TResultsStyle& style);
// The same for the chosen names in their order, each looked up byte for byte; a name the run
// does not know is left out. Empty when no name is chosen or the run left no variable.
QString buildResultsText(const xonQMInterpreter::CQMInterpreter& interpreter,
                         const QList<QByteArray>& names, const TResultsStyle& style);
