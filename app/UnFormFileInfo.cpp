#include "app/UnFormFileInfo.h"

#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Nameresources.h"
#include "framework/Addsysfunctions.h"
#include "framework/Handlerguard.h"
#include "framework/Stringutils.h"
#include "framework/Windowplace.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString sizeText(qint64 size)
{
    // Thousands stay grouped even in a locale that leaves them ungrouped by default.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(size) + QLatin1Char(' ') + getNameResource(TTextId::Byte);
}

// The locale's long time format without its time zone, which the lines do not show.
QString timeFormatWithSeconds(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    return result.trimmed();
}

// Empty for a time the file system does not keep.
QString dateTimeText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QLocale locale;
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(time.time(), timeFormatWithSeconds(locale));
}

QString infoLine(TTextId id, const QString& value)
{
    return getNameResource(id) + QLatin1String(": ") + value;
}

QStringList infoLines(const QString& fileName)
{
    if (fileName.isEmpty())
        return {getNameResource(TTextId::FileNotDefined)};
    // A folder or a device is no document either.
    if (!isPlainFile(fileName))
        return {getNameResourceFileNotFound(fileName)};
    qint64 size = 0;
    QDateTime creation, lastWrite, lastAccess;
    if (!getFileInfo(fileName, size, creation, lastWrite, lastAccess))
        return {getNameResourceFileReadError(fileName)};
    return {infoLine(TTextId::FileName, shownFileName(fileName)),
            infoLine(TTextId::FileSize, sizeText(size)),
            infoLine(TTextId::FileCreated, dateTimeText(creation)),
            infoLine(TTextId::FileChanged, dateTimeText(lastWrite)),
            infoLine(TTextId::FileAccessed, dateTimeText(lastAccess))};
}

} // namespace

TFormFileInfo::TFormFileInfo(QWidget* owner)
    : TFormSecondary(owner)
{
    setWindowFlags((windowFlags() | Qt::WindowStaysOnTopHint) & ~Qt::WindowContextHelpButtonHint);

    m_MemoMain = new QPlainTextEdit(this);
    m_MemoMain->setObjectName(QStringLiteral("MemoMain"));
    m_MemoMain->setReadOnly(true);
    // A caret, moved and selecting by the keys, shows that the text has the focus.
    m_MemoMain->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_MemoMain->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_ButtonCancel = new QPushButton(this);
    m_ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    m_ButtonCancel->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ButtonCancel);
    auto* content = new QVBoxLayout;
    content->addWidget(m_MemoMain, 1);
    content->addLayout(buttons);
    setPictureLayout(this, TDialogPicture::Program, content, QStringLiteral("PanelImage"),
                     QStringLiteral("Image"));

    setMinimumSize(kFileInfoMinWidth, kFileInfoMinHeight);
    resize(kFileInfoWidth, kFileInfoHeight);

    connect(m_ButtonCancel, &QPushButton::clicked, this, [this] {
        CHandlerGuard::run("TFormFileInfo::ButtonCancelClick", [this] { reject(); });
    });
}

void TFormFileInfo::setFileName(const QString& name)
{
    m_FileName = trimBlanks(name);
}

void TFormFileInfo::fillInfo()
{
    m_MemoMain->clear();
    m_MemoMain->setPlainText(infoLines(m_FileName).join(QLatin1Char('\n')));
}

void TFormFileInfo::formShow()
{
    CHandlerGuard::run("TFormFileInfo::FormShow", [this] {
        setWindowTitle(getNameResource(TTextId::AboutFile));
        m_ButtonCancel->setText(getNameResource(TTextId::Cancel));
        fillInfo();
        windowPlace().centreOnScreen();
        m_ButtonCancel->setFocus();
    });
}
