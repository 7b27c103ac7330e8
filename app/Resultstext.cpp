#include "app/Resultstext.h"

#include "app/Cp1251.h"
#include "app/Nameresources.h"
#include "app/Numberformat.h"
#include "framework/Stringutils.h"

using xonQMInterpreter::CBuffString;
using xonQMInterpreter::CNameString;
using xonQMInterpreter::CQMInterpreter;

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kNameSeparator = QStringLiteral(" = ");
const QString kUnformattable = QStringLiteral("(ERROR)");

QString textOf(const CBuffString& line)
{
    return fromCp1251(QByteArray(line.c_str(), line.length()));
}

QString textOf(const CNameString& name)
{
    return fromCp1251(QByteArray(name.c_str(), name.length()));
}

QString headerLine(const QString& prefix)
{
    return prefix + QLatin1String(" [") + getNameResource(TTextId::ResultsOfCalculation)
           + QLatin1String("] ") + kLineEnd;
}

QString variableLine(const QString& prefix, const QString& name, double value,
                     const TResultsStyle& style)
{
    return prefix + QLatin1Char(' ')
           + formatResult(name, value, style.numberFormat, style.thousandSeparator) + kLineEnd;
}

// A name that does not fit a name string whole would be looked up cut, as another name.
bool fitsNameString(const QByteArray& name)
{
    return name.size() <= CNameString::getCapacity() && !name.contains('\0');
}

} // namespace

TResultsDestination resultsDestination(int whereShowResult)
{
    switch (whereShowResult) {
    case static_cast<int>(TResultsDestination::Editor):
        return TResultsDestination::Editor;
    case static_cast<int>(TResultsDestination::ResultsWindow):
        return TResultsDestination::ResultsWindow;
    default:
        return TResultsDestination::MessagesPane;
    }
}

QString resultsPrefix(int whereShowResult)
{
    return resultsDestination(whereShowResult) == TResultsDestination::Editor ? QStringLiteral("//")
                                                                              : QString();
}

QString formatResult(const QString& name, double value, const QString& numberFormat,
                     const QString& thousandSeparator)
{
    return trimBlanks(name) + kNameSeparator
           + formatFloat(value, numberFormat, thousandSeparator).value_or(kUnformattable);
}

QStringList messageLines(const CQMInterpreter& interpreter)
{
    QStringList lines;
    for (int i = 0; i < interpreter.getCountErrors(); ++i)
        lines.append(textOf(interpreter.getError(i)));
    for (int i = 0; i < interpreter.getCountWarnings(); ++i)
        lines.append(textOf(interpreter.getWarning(i)));
    for (int i = 0; i < interpreter.getCountMessages(); ++i)
        lines.append(textOf(interpreter.getMessage(i)));
    return lines;
}

QList<QByteArray> variableNames(const CQMInterpreter& interpreter)
{
    QList<QByteArray> names;
    for (int i = 0; i < interpreter.getCountVariables(); ++i) {
        CNameString name;
        double value = 0.0;
        if (interpreter.getVariable(i, name, value))
            names.append(QByteArray(name.c_str(), name.length()));
    }
    return names;
}

QString buildResultsText(const CQMInterpreter& interpreter, const TResultsStyle& style)
{
    if (interpreter.getCountVariables() <= 0)
        return {};
    const QString prefix = resultsPrefix(style.whereShowResult);
    QString text = headerLine(prefix);
    for (int i = 0; i < interpreter.getCountVariables(); ++i) {
        CNameString name;
        double value = 0.0;
        if (interpreter.getVariable(i, name, value))
            text += variableLine(prefix, textOf(name), value, style);
    }
    return text;
}

QString buildResultsText(const CQMInterpreter& interpreter, const QList<QByteArray>& names,
                         const TResultsStyle& style)
{
    if (interpreter.getCountVariables() <= 0 || names.isEmpty())
        return {};
    const QString prefix = resultsPrefix(style.whereShowResult);
    QString text = headerLine(prefix);
    for (const QByteArray& name : names) {
        double value = 0.0;
        if (fitsNameString(name) && interpreter.getVariable(CNameString(name.constData()), value))
            text += variableLine(prefix, fromCp1251(name), value, style);
    }
    return text;
}
