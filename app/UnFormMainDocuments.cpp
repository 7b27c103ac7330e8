// The main window's documents: new, open, save, save as, the save query, the recent files and
// the file information.
#include "app/Applimits.h"
#include "app/Codeeditor.h"
#include "app/Nameresources.h"
#include "app/Recentfilemenu.h"
#include "app/Textlimit.h"
#include "app/UnFormFileInfo.h"
#include "app/UnFormMain.h"
#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"
#include "framework/Programexception.h"
#include "framework/Programinfo.h"
#include "framework/Stringutils.h"
#include "platform/Atomicfile.h"
#include "platform/Executablelocation.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <QFileInfo>
#include <QMenu>

namespace {

const QString kDefaultSuffix = QStringLiteral("txt");

const char* const kFileOpen = "FileOpen";
const char* const kFileSaveAs = "FileSaveAs";

} // namespace

QStringList TFormMain::documentFilters() const
{
    const QString program = getProgramName() + QLatin1String(" files (*") + getDocumentExtension()
                            + QLatin1Char(')');
    const QString text = QStringLiteral("Text files (*.txt)");
    const QString all = QStringLiteral("All files (*)");
    if (m_OptionsFormMain.UseFileExtension)
        return {program, text, all};
    return {text, program, all};
}

void TFormMain::querySaveChanges()
{
    if (!MemoCode->document()->isModified() || MemoCode->document()->isEmpty())
        return;
    const TMessageAnswer answer =
        CDialogSeams::current().showMessage(this,
                                            getNameResource(TTextId::DocumentChangedSaveQuery),
                                            blankCaption(TTextId::Attention) + QLatin1Char('!'),
                                            TMessageIcon::Question, TMessageButtons::YesNoCancel,
                                            TMessageAnswer::Yes);
    // A document the user wanted saved and that was not saved stops what asked.
    if (answer == TMessageAnswer::Cancel || (answer == TMessageAnswer::Yes && !FileSave()))
        throw CAbortException();
}

void TFormMain::FileNew()
{
    querySaveChanges();
    MemoCode->setPlainText(QString());
    MemoCode->document()->setModified(false);
    MemoCode->setFocus();
    m_FileName.clear();
    m_DocumentEncoding.reset();
    m_DocumentCut = false;
    updateTitle();
    updateStatusLine();
}

void TFormMain::FileOpen()
{
    querySaveChanges();
    CHandlerGuard::runQuiet("TFormMain::FileOpen",
                            QStringLiteral("The error at executing of operation 'FileOpen'."),
                            [this] {
                                const QString chosen = CDialogSeams::current().chooseOpenFile(
                                    this, {QString(), documentFilters(), kDefaultSuffix,
                                           m_OpenFolder, QString()});
                                if (chosen.isEmpty() || !loadDocument(chosen))
                                    return;
                                m_OpenFolder = QFileInfo(chosen).absolutePath();
                                m_SaveFolder = m_OpenFolder;
                                m_FileName = chosen;
                                updateTitle();
                                updateStatusLine();
                                MemoCode->setFocus();
                                m_OptionsManager.addRecentFile(m_FileName);
                            });
}

bool TFormMain::FileSave()
{
    const QString name = trimBlanks(m_FileName);
    // Only the beginning of a longer file is in the editor: it is replaced only after the save
    // dialog has asked.
    if (name.isEmpty() || !leadsToFile(name) || m_DocumentCut)
        return FileSaveAs();
    if (!writeDocument(name))
        return false;
    MemoCode->document()->setModified(false);
    updateTitle();
    return true;
}

bool TFormMain::FileSaveAs()
{
    // The dialog takes names of text only.
    const QString suggested = QFileInfo(shownFileName(m_FileName)).fileName();
    bool saved = false;
    CHandlerGuard::runQuiet("TFormMain::FileSaveAs",
                            QStringLiteral("The error at executing of operation 'FileSaveAs'."),
                            [&] {
                                const QString chosen = CDialogSeams::current().chooseSaveFile(
                                    this, {QString(), documentFilters(), kDefaultSuffix,
                                           m_SaveFolder, suggested});
                                if (chosen.isEmpty() || !writeDocument(chosen))
                                    return;
                                MemoCode->document()->setModified(false);
                                m_DocumentCut = false;
                                m_SaveFolder = QFileInfo(chosen).absolutePath();
                                m_OpenFolder = m_SaveFolder;
                                m_FileName = chosen;
                                updateTitle();
                                m_OptionsManager.addRecentFile(m_FileName);
                                saved = true;
                            });
    return saved;
}

bool TFormMain::openFile(const QString& name)
{
    QString path = trimBlanks(name);
    if (path.isEmpty())
        return false;
    // A folder or a device is no document: it is not found, as a missing file.
    if (!isPlainFile(path)) {
        const QString beside = CExecutableLocation::folder() + QLatin1Char('/') + path;
        if (path.contains(QLatin1Char('/')) || !isPlainFile(beside))
            return false;
        path = beside;
    }
    path = absoluteFileName(path);
    if (!loadDocument(path))
        return false;
    m_FileName = path;
    m_SaveFolder = QFileInfo(shownFileName(path)).absolutePath();
    updateTitle();
    MemoCode->setFocus();
    m_OptionsManager.addRecentFile(m_FileName);
    return true;
}

bool TFormMain::loadDocument(const QString& fileName)
{
    // The editor cannot hold more: the rest of the file is never read.
    QByteArray bytes;
    bool complete = true;
    QString reason;
    if (readPlainFile(fileName, kDocumentReadMaxBytes, bytes, complete, reason)
        != TPlainOpen::Opened) {
        showFileError(kFileOpen, getNameResourceFileReadError(fileName), reason);
        return false;
    }
    const TDecodedDocument document = decodeDocument(bytes, complete);
    const QString kept = cutToEditorLimit(document.text);
    MemoCode->setPlainText(kept);
    m_DocumentEncoding = document.encoding;
    m_DocumentCut = !complete || kept.size() < document.text.size();
    if (m_DocumentCut)
        reportTextCut();
    if (document.changedBySaving) {
        showInformation(this, getNameResource(TTextId::ChangedBySaving),
                        blankCaption(TTextId::Attention));
    }
    MemoCode->document()->setModified(false);
    return true;
}

void TFormMain::reportTextCut()
{
    m_MemoTools.gotoLastLine();
    showInformation(this, getNameResourceTextTooBig(), blankCaption(TTextId::InsertingOfText));
}

bool TFormMain::writeDocument(const QString& fileName)
{
    const TEncodedDocument encoded = encodeDocument(MemoCode->text(), m_DocumentEncoding);
    if (encoded.leftCp1251) {
        showInformation(this, getNameResource(TTextId::SavedAsUtf8),
                        blankCaption(TTextId::Attention));
    }
    QString reason;
    if (!writeFileAtomically(fileName, encoded.bytes, reason)) {
        showFileError(kFileSaveAs, getNameResourceFileWriteError(fileName), reason);
        return false;
    }
    m_DocumentEncoding = encoded.encoding;
    return true;
}

void TFormMain::showFileError(const char* operation, const QString& message, const QString& reason)
{
    const QString name = QLatin1String(operation);
    writeLog(CFileLog::TYPE_SYSTEM_ERROR, QLatin1String("TFormMain::") + name,
             QLatin1String("The error at executing of operation '") + name + QLatin1String("'."));
    writeLog(CFileLog::TYPE_ERROR, QStringLiteral("TFormMain"),
             message + QLatin1Char(' ') + reason);
    CDialogSeams::current().showMessage(this, message + QLatin1Char('\n') + reason,
                                        blankCaption(TTextId::Error), TMessageIcon::Warning,
                                        TMessageButtons::Ok, TMessageAnswer::Ok);
}

void TFormMain::MemoCodeChange()
{
    m_ResultsAppended = false;
    updateTitle();
    updateStatusLine();
}

void TFormMain::rebuildRecentMenu()
{
    MenuItemFileRecent->clear();
    const int count = m_OptionsManager.getRecentFilesCount();
    if (count < 1) {
        QAction* none = MenuItemFileRecent->addAction(
            QLatin1Char('<') + getNameResource(TTextId::NoRecentFiles) + QLatin1Char('>'));
        none->setObjectName(QStringLiteral("MenuItemFileRecentValue_0"));
        none->setData(-1);
        return;
    }
    for (int i = 0; i < count; ++i) {
        // A "&" in a path is text, not a key mark.
        QString caption = shortenFileName(shownFileName(m_OptionsManager.getRecentFile(i)));
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = MenuItemFileRecent->addAction(caption);
        item->setObjectName(QStringLiteral("MenuItemFileRecentValue_") + QString::number(i));
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, i] {
            CHandlerGuard::run("TFormMain::openRecentFile", [this, i] { openRecentFile(i); });
        });
    }
}

void TFormMain::openRecentFile(int index)
{
    if (index < 0)
        return;
    querySaveChanges();
    const QString name = trimBlanks(m_OptionsManager.getRecentFile(index));
    if (name.isEmpty())
        return;
    if (openFile(name))
        return;
    // A file that is there but could not be read was reported while opening it.
    if (!isPlainFile(name)) {
        showInformation(this, getNameResourceFileNotFound(shortenFileName(shownFileName(name))),
                        blankCaption(TTextId::SearchOfFile));
        m_OptionsManager.deleteRecentFile(index);
    }
}

void TFormMain::clearRecentFilesWithQuery()
{
    if (m_OptionsManager.getRecentFilesCount() < 1)
        return;
    const TMessageAnswer answer =
        CDialogSeams::current().showMessage(this, getNameResource(TTextId::ClearRecentFilesQuery),
                                            blankCaption(TTextId::RecentFiles),
                                            TMessageIcon::Question, TMessageButtons::YesNo,
                                            TMessageAnswer::No);
    if (answer == TMessageAnswer::Yes)
        m_OptionsManager.clearRecentFiles();
}

void TFormMain::doShowFileInfo()
{
    TFormFileInfo* info = nullptr;
    const bool created =
        CHandlerGuard::runQuiet("TFormMain::doShowFileInfo",
                                QStringLiteral("The error at creating form 'TFormFileInfo'."),
                                [this, &info] { info = new TFormFileInfo(this); });
    if (!created || info == nullptr)
        return;
    std::unique_ptr<TFormFileInfo> owned(info);
    owned->setFileName(m_FileName);
    owned->exec();
}
