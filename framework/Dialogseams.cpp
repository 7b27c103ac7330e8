#include "framework/Dialogseams.h"

#include "framework/Handlerguard.h"
#include "framework/UnFormMainBase.h"
#include "framework/Windowplace.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QChildEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStyle>

namespace {

const QString kListingFailed = QStringLiteral("The error at listing of a dialog.");

QMessageBox::Icon toQtIcon(TMessageIcon icon)
{
    switch (icon) {
    case TMessageIcon::Question:
        return QMessageBox::Question;
    case TMessageIcon::Warning:
        return QMessageBox::Warning;
    case TMessageIcon::Critical:
        return QMessageBox::Critical;
    case TMessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButton toQtButton(TMessageAnswer answer)
{
    switch (answer) {
    case TMessageAnswer::Yes:
        return QMessageBox::Yes;
    case TMessageAnswer::No:
        return QMessageBox::No;
    case TMessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case TMessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toQtButtons(TMessageButtons buttons)
{
    switch (buttons) {
    case TMessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TMessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case TMessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

TMessageAnswer fromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return TMessageAnswer::Yes;
    case QMessageBox::No:
        return TMessageAnswer::No;
    case QMessageBox::Cancel:
        return TMessageAnswer::Cancel;
    default:
        return TMessageAnswer::Ok;
    }
}

// A desktop dialog stands in the main window's list of open windows while it is shown, so
// coming back from the tray brings it forward too.
class CListedWhileShown
{
public:
    CListedWhileShown(QWidget* parent, QWidget* dialog)
        : m_Main(TFormMainBase::findMainBase(parent))
        , m_Dialog(dialog)
    {
        if (m_Main != nullptr)
            m_Main->addDialog(m_Dialog);
    }
    ~CListedWhileShown()
    {
        if (m_Main != nullptr)
            m_Main->removeDialog(m_Dialog);
    }
    CListedWhileShown(const CListedWhileShown&) = delete;
    CListedWhileShown& operator=(const CListedWhileShown&) = delete;

private:
    QPointer<TFormMainBase> m_Main;
    QWidget* m_Dialog;
};

// With a parent, modal to its windows only: the tray icon's own window goes on answering
// while the dialog waits. Without one there is nothing to be modal to, and the whole program
// waits. On top, as the program's own dialogs are: the question stays in front of the windows
// kept on top, such as Find, also when they come back from the tray with it.
void waitForParentOnly(QDialog& dialog)
{
    if (dialog.parentWidget() != nullptr)
        dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

// The boxes a desktop dialog puts up by itself (a file to replace, a name not found, a file to
// delete) would wait for the whole program, out of the window list. Each waits as the program's
// own boxes do, and stands in the list while it is shown.
class COwnBoxes : public QObject
{
public:
    explicit COwnBoxes(QDialog& dialog)
        : QObject(&dialog)
    {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::ChildPolished
            || (watched != parent() && (type == QEvent::Show || type == QEvent::Hide)
                && !event->spontaneous()))
            CHandlerGuard::runQuiet("CDialogSeams::eventFilter", kListingFailed,
                                    [this, watched, event] { follow(watched, event); });
        return false;
    }

private:
    void follow(QObject* watched, QEvent* event)
    {
        if (event->type() == QEvent::ChildPolished) {
            // Polished while it is being shown, before the toolkit reads its modality.
            if (auto* box = qobject_cast<QMessageBox*>(static_cast<QChildEvent*>(event)->child())) {
                waitForParentOnly(*box);
                box->installEventFilter(this);
            }
            return;
        }
        auto* box = static_cast<QWidget*>(watched);
        TFormMainBase* main = TFormMainBase::findMainBase(box);
        if (main != nullptr && event->type() == QEvent::Show)
            main->addDialog(box);
        else if (main != nullptr)
            main->removeDialog(box);
    }
};

// Types and icons of the files a file dialog lists, by their names alone. The toolkit's own
// provider asks the type database by content, which the window's thread then reads: a file
// whose read never ends (/proc/kmsg) or a slow network share would stop the program.
class CTypesByName : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo& info) const override
    {
        // A folder's type needs no content: it keeps the desktop's folder icons.
        if (info.isDir())
            return QFileIconProvider::icon(info);
        const QMimeType type = typeOf(info);
        for (const QString& name : {type.iconName(), type.genericIconName()}) {
            const QIcon icon = QIcon::fromTheme(name);
            if (!icon.isNull())
                return icon;
        }
        return QApplication::style()->standardIcon(info.isSymLink() ? QStyle::SP_FileLinkIcon
                                                                    : QStyle::SP_FileIcon);
    }

    QString type(const QFileInfo& info) const override
    {
        // A folder, a drive, a link to nothing: named without the type database.
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = typeOf(info);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    static QMimeType typeOf(const QFileInfo& info)
    {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

int execModalToParent(QDialog& dialog)
{
    waitForParentOnly(dialog);
    new COwnBoxes(dialog);
    return dialog.exec();
}

QString runFileDialog(QWidget* parent, const TFileDialogRequest& request,
                      QFileDialog::AcceptMode mode)
{
    // Outlives the dialog, whose model keeps it. Set before any file is typed: the dialog has
    // only walked down to its folder so far, and types the listing in its event loop.
    CTypesByName typesByName;
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setIconProvider(&typesByName);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    // Centred on its owner as the toolkit would, but wholly on the usable desktop.
    (new CWindowPlace(&dialog))->centreOnOwner();
    CListedWhileShown listed(parent, &dialog);
    if (execModalToParent(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class CQtDialogSeams : public CDialogSeams
{
public:
    TMessageAnswer showMessage(QWidget* parent, const QString& text, const QString& caption,
                               TMessageIcon icon, TMessageButtons buttons,
                               TMessageAnswer defaultAnswer) override
    {
        QMessageBox box(toQtIcon(icon), caption, text, toQtButtons(buttons), parent);
        box.setDefaultButton(toQtButton(defaultAnswer));
        CListedWhileShown listed(parent, &box);
        return fromQtButton(execModalToParent(box));
    }

    QString chooseOpenFile(QWidget* parent, const TFileDialogRequest& request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    }

    QString chooseSaveFile(QWidget* parent, const TFileDialogRequest& request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
    }

    bool chooseColor(QWidget* parent, TColor& color) override
    {
        QColorDialog dialog(toQColor(color), parent);
        CListedWhileShown listed(parent, &dialog);
        if (execModalToParent(dialog) != QDialog::Accepted)
            return false;
        color = fromQColor(dialog.selectedColor());
        return true;
    }

    bool openWithDesktop(const QUrl& address) override { return CShell::open(address); }
};

CDialogSeams* installed = nullptr;

} // namespace

CDialogSeams& CDialogSeams::current()
{
    static CQtDialogSeams desktop;
    return installed != nullptr ? *installed : desktop;
}

void CDialogSeams::install(CDialogSeams* seams)
{
    installed = seams;
}

void showInformation(QWidget* parent, const QString& text, const QString& caption)
{
    CDialogSeams::current().showMessage(parent, text, caption, TMessageIcon::Information,
                                        TMessageButtons::Ok, TMessageAnswer::Ok);
}

QColor toQColor(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor fromQColor(const QColor& color)
{
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}
