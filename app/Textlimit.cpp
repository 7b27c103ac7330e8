#include "app/Textlimit.h"

#include "app/Applimits.h"

#include <algorithm>

namespace {

constexpr int kLineBreakWeight = 2;

// The number of characters of text at and after index that make up one whole character.
int unitsAt(const QString& text, qsizetype index)
{
    return text.at(index).isHighSurrogate() && index + 1 < text.size()
                   && text.at(index + 1).isLowSurrogate()
               ? 2
               : 1;
}

int weightAt(const QString& text, qsizetype index)
{
    return text.at(index) == QLatin1Char('\n') ? kLineBreakWeight : unitsAt(text, index);
}

// How many characters from the start of the text fit into budget.
qsizetype fittingLength(const QString& text, qsizetype budget)
{
    qsizetype index = 0;
    qsizetype used = 0;
    while (index < text.size()) {
        const int weight = weightAt(text, index);
        if (used + weight > budget)
            break;
        used += weight;
        index += unitsAt(text, index);
    }
    return index;
}

} // namespace

qsizetype editorTextLength(const QString& text)
{
    return text.size() + text.count(QLatin1Char('\n')) * (kLineBreakWeight - 1);
}

QString cutToEditorLimit(const QString& text)
{
    return text.left(fittingLength(text, kEditorMaxChars));
}

QString fitInsertion(const QString& stayingText, const QString& inserted)
{
    const qsizetype budget = kEditorMaxChars - editorTextLength(stayingText);
    return budget > 0 ? inserted.left(fittingLength(inserted, budget)) : QString();
}

QString fitWholeLines(const QString& stayingText, const QString& inserted)
{
    const QString fitting = fitInsertion(stayingText, inserted);
    if (fitting.size() == inserted.size() || inserted.at(fitting.size()) == QLatin1Char('\n'))
        return fitting;
    return fitting.left(std::max<qsizetype>(fitting.lastIndexOf(QLatin1Char('\n')), 0));
}
