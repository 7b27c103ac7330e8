#include "framework/UnFormMainBase.h"

#include "tests/support/Activemodal.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Top-level windows, hidden, named "w0", "w1", ...
std::vector<std::unique_ptr<QWidget>> makeWindows(int count)
{
    std::vector<std::unique_ptr<QWidget>> windows;
    for (int i = 0; i < count; ++i) {
        windows.push_back(std::make_unique<QWidget>());
        windows.back()->setObjectName(QStringLiteral("w%1").arg(i));
    }
    return windows;
}

// The names of the listed widgets, in list order: "form:w0", "dialog:w1", "deleted".
QStringList listed(const TFormMainBase& main)
{
    QStringList names;
    for (int i = 0; i < main.getWindowListCount(); ++i) {
        const TFormMainBase::CHandleInfo entry = main.getWindowListEntry(i);
        if (entry.form != nullptr && entry.dialog != nullptr)
            names << QStringLiteral("both");
        else if (entry.form != nullptr)
            names << QLatin1String("form:") + entry.form->objectName();
        else if (entry.dialog != nullptr)
            names << QLatin1String("dialog:") + entry.dialog->objectName();
        else
            names << QStringLiteral("deleted");
    }
    return names;
}

// Records the order in which watched widgets are shown.
class CShowRecorder : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            shown << watched->objectName();
        return false;
    }

    QStringList shown;
};

TEST(WindowList, StartsWithRoomFor15AndDoublesWhenFull)
{
    TFormMainBase main;
    const auto windows = makeWindows(31);
    // count after adding -> capacity
    const std::pair<int, int> growth[] = {{0, 15}, {1, 15}, {15, 15}, {16, 30}, {30, 30}, {31, 60}};
    int added = 0;
    for (const auto& [count, capacity] : growth) {
        for (; added < count; ++added) {
            // Windows and dialogs alternate; both kinds count alike.
            if (added % 2 == 0)
                main.addWindow(windows[added].get());
            else
                main.addDialog(windows[added].get());
        }
        EXPECT_EQ(main.getWindowListCount(), count);
        EXPECT_EQ(main.getWindowListCapacity(), capacity) << "after " << count << " entries";
    }
    // Growing kept every entry in its place.
    QStringList expected;
    for (int i = 0; i < 31; ++i)
        expected << (i % 2 == 0 ? QStringLiteral("form:w%1") : QStringLiteral("dialog:w%1")).arg(i);
    EXPECT_EQ(listed(main), expected);
    // Removing never shrinks the reserved room.
    for (int i = 0; i < 31; i += 2)
        main.removeWindow(windows[i].get());
    EXPECT_EQ(main.getWindowListCount(), 15);
    EXPECT_EQ(main.getWindowListCapacity(), 60);
}

TEST(WindowList, RemovingKeepsTheOthersInOrder)
{
    using TWindows = std::vector<std::unique_ptr<QWidget>>;
    struct TCase
    {
        const char* reason;
        std::function<void(TFormMainBase&, const TWindows&)> action;
        QStringList expected;
    };
    const QStringList unchanged = {"form:w0", "form:w1", "form:w2", "dialog:w3", "form:w1"};
    const TCase cases[] = {
        {"the second of three, the first of its two entries",
         [](TFormMainBase& m, const TWindows& w) { m.removeWindow(w[1].get()); },
         {"form:w0", "form:w2", "dialog:w3", "form:w1"}},
        {"the first",
         [](TFormMainBase& m, const TWindows& w) { m.removeWindow(w[0].get()); },
         {"form:w1", "form:w2", "dialog:w3", "form:w1"}},
        {"a dialog",
         [](TFormMainBase& m, const TWindows& w) { m.removeDialog(w[3].get()); },
         {"form:w0", "form:w1", "form:w2", "form:w1"}},
        {"a dialog removed as a window",
         [](TFormMainBase& m, const TWindows& w) { m.removeWindow(w[3].get()); }, unchanged},
        {"a window removed as a dialog",
         [](TFormMainBase& m, const TWindows& w) { m.removeDialog(w[2].get()); }, unchanged},
        {"never listed", [](TFormMainBase& m, const TWindows& w) { m.removeWindow(w[4].get()); },
         unchanged},
        {"null removed",
         [](TFormMainBase& m, const TWindows&) {
             m.removeWindow(nullptr);
             m.removeDialog(nullptr);
         },
         unchanged},
        {"null added",
         [](TFormMainBase& m, const TWindows&) {
             m.addWindow(nullptr);
             m.addDialog(nullptr);
         },
         unchanged},
    };
    for (const TCase& c : cases) {
        const TWindows windows = makeWindows(5);
        TFormMainBase main;
        main.addWindow(windows[0].get());
        main.addWindow(windows[1].get());
        main.addWindow(windows[2].get());
        main.addDialog(windows[3].get());
        main.addWindow(windows[1].get());
        ASSERT_EQ(listed(main), unchanged);
        c.action(main, windows);
        EXPECT_EQ(listed(main), c.expected) << c.reason;
    }
}

TEST(WindowList, WindowsAreFoundByTheirExactClassName)
{
    TFormMainBase main;
    QDialog dialog;
    QColorDialog colorDialog;
    QWidget hidden;
    main.addWindow(&dialog);
    main.addDialog(&colorDialog);
    const std::pair<const char*, bool> cases[] = {
        {"QDialog", true},
        {"qdialog", false}, // letter case counts
        {"QDIALOG", false},
        {"QDialo", false}, // no partial names
        {"QDialogs", false},
        {"QWidget", false},      // the class itself, not a base class
        {"QColorDialog", false}, // desktop dialogs are not windows of the program
        {"", false},
    };
    for (const auto& [name, open] : cases) {
        EXPECT_EQ(main.isWindowOpen(QString::fromLatin1(name)), open) << name;
        EXPECT_EQ(main.showWindow(QString::fromLatin1(name)), open) << name;
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(colorDialog.isVisible());
}

TEST(WindowList, ShowWindowShowsOnlyTheFirstOfItsClass)
{
    TFormMainBase main;
    QDialog first;
    QDialog second;
    main.addWindow(&first);
    main.addWindow(&second);
    EXPECT_TRUE(main.showWindow(QStringLiteral("QDialog")));
    EXPECT_TRUE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
}

TEST(WindowList, ModalWindowIsDetectedOnlyWhileShownModally)
{
    TFormMainBase main;
    QDialog dialog;
    main.addWindow(&dialog);
    EXPECT_FALSE(main.isModalWindowOpen()) << "listed, not shown";
    dialog.show();
    EXPECT_FALSE(main.isModalWindowOpen()) << "shown modeless";
    dialog.hide();
    dialog.setModal(true);
    EXPECT_FALSE(main.isModalWindowOpen()) << "modal, but hidden";
    dialog.show();
    EXPECT_TRUE(main.isModalWindowOpen()) << "shown modally";
    dialog.hide();

    QDialog running;
    main.addWindow(&running);
    bool openInside = false;
    whenModalActive(&running, [&](QWidget*) {
        openInside = main.isModalWindowOpen();
        running.accept();
    });
    running.exec();
    EXPECT_TRUE(openInside) << "while exec() runs";
    EXPECT_FALSE(main.isModalWindowOpen()) << "after exec()";

    // A box or a file dialog waits for its answer as well.
    QDialog desktopDialog;
    main.addDialog(&desktopDialog);
    desktopDialog.show();
    EXPECT_FALSE(main.isModalWindowOpen()) << "desktop dialog shown modeless";
    desktopDialog.hide();
    desktopDialog.setModal(true);
    desktopDialog.show();
    EXPECT_TRUE(main.isModalWindowOpen()) << "desktop dialog shown modally";
    desktopDialog.hide();
}

TEST(WindowList, DeletedWindowIsNeverUsed)
{
    TFormMainBase main;
    auto* window = new QDialog();
    auto* dialog = new QColorDialog();
    QDialog kept;
    kept.setObjectName(QStringLiteral("kept"));
    main.addWindow(window);
    main.addDialog(dialog);
    main.addWindow(&kept);
    window->setModal(true);
    window->show();
    dialog->show();
    delete window;
    delete dialog;

    EXPECT_EQ(listed(main), (QStringList{"deleted", "deleted", "form:kept"}));
    EXPECT_TRUE(main.isWindowOpen(QStringLiteral("QDialog"))) << "the kept one";
    EXPECT_FALSE(main.isWindowOpen(QStringLiteral("QColorDialog")));
    EXPECT_FALSE(main.isModalWindowOpen());
    main.showAllWindows();
    EXPECT_TRUE(kept.isVisible());
    kept.hide();
    EXPECT_TRUE(main.showWindow(QStringLiteral("QDialog")));
    EXPECT_TRUE(kept.isVisible());
    // Removing by the dead address finds nothing.
    main.removeWindow(window);
    EXPECT_EQ(main.getWindowListCount(), 3);
    kept.hide();
}

TEST(WindowList, ShowAllWindowsShowsInListOrderAndSkipsMissingEntries)
{
    TFormMainBase main;
    auto windows = makeWindows(3);
    QColorDialog notOpen;
    notOpen.setObjectName(QStringLiteral("not open"));
    QColorDialog open;
    open.setObjectName(QStringLiteral("open"));
    open.show();
    auto* gone = new QWidget();
    main.addWindow(windows[2].get());
    main.addDialog(&notOpen); // listed, its window not open
    main.addWindow(gone);
    main.addDialog(&open);
    main.addWindow(windows[0].get());
    main.addWindow(windows[1].get());
    delete gone;

    CShowRecorder recorder;
    for (QWidget* w : {windows[0].get(), windows[1].get(), windows[2].get(),
                       static_cast<QWidget*>(&notOpen), static_cast<QWidget*>(&open)}) {
        w->installEventFilter(&recorder);
    }
    main.showAllWindows();
    EXPECT_EQ(recorder.shown, (QStringList{"w2", "w0", "w1"}));
    EXPECT_FALSE(notOpen.isVisible());
    EXPECT_TRUE(open.isVisible());
    open.hide();
}

TEST(WindowList, FindMainBaseFollowsTheOwners)
{
    TFormMainBase main;
    QWidget central;
    main.setCentralWidget(new QWidget());
    auto* dialog = new QDialog(&main);
    auto* nested = new QDialog(dialog);
    auto* child = new QWidget(nested);
    QDialog orphan;
    EXPECT_EQ(TFormMainBase::findMainBase(&main), &main);
    EXPECT_EQ(TFormMainBase::findMainBase(main.centralWidget()), &main);
    EXPECT_EQ(TFormMainBase::findMainBase(dialog), &main);
    EXPECT_EQ(TFormMainBase::findMainBase(nested), &main);
    EXPECT_EQ(TFormMainBase::findMainBase(child), &main);
    EXPECT_EQ(TFormMainBase::findMainBase(&orphan), nullptr);
    EXPECT_EQ(TFormMainBase::findMainBase(&central), nullptr);
    EXPECT_EQ(TFormMainBase::findMainBase(nullptr), nullptr);
}

TEST(WindowList, EntriesOutsideTheListAreEmpty)
{
    TFormMainBase main;
    QWidget window;
    main.addWindow(&window);
    for (int index : {-1, 1, 100}) {
        const TFormMainBase::CHandleInfo entry = main.getWindowListEntry(index);
        EXPECT_EQ(entry.form, nullptr) << index;
        EXPECT_EQ(entry.dialog, nullptr) << index;
    }
}

} // namespace
