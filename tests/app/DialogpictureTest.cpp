#include "app/Dialogpicture.h"

#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/UnFormFileInfo.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormOptions.h"
#include "app/UnFormReplaceText.h"
#include "app/UnFormWaitCalc.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>

#include <functional>
#include <memory>
#include <optional>

namespace {

class DialogPicture : public CWindowTest
{
protected:
    static void SetUpTestSuite() { initAppResources(); }
};

// The picture drawn alone, at the size it takes in the smaller dialogs.
QImage drawn(TDialogPicture kind)
{
    QWidget dialog;
    setPictureLayout(&dialog, kind, new QHBoxLayout, QStringLiteral("Panel"),
                     QStringLiteral("Picture"));
    dialog.resize(dialog.minimumSizeHint().width(), 80);
    return dialog.findChild<QWidget*>(QStringLiteral("Picture"))->grab().toImage();
}

bool nearlyEqual(const QColor& a, const QColor& b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Whether some pixel of the image has nearly this colour.
bool holdsColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (nearlyEqual(image.pixelColor(x, y), colour, 24))
                return true;
    return false;
}

TEST_F(DialogPicture, EveryDialogWithAPictureShowsTheSameBandAtItsLeftEdge)
{
    struct TCase
    {
        const char* dialog;
        std::function<QWidget*(QWidget* owner)> make;
        const char* panel;
        const char* picture;
    };
    const TCase cases[] = {
        {"find", [](QWidget* o) { return new TFormFindText(o); }, "PanelLeft", "ImageLeft"},
        {"replace", [](QWidget* o) { return new TFormReplaceText(o); }, "PanelLeft", "ImageLeft"},
        {"go to line", [](QWidget* o) { return new TFormGotoLine(o); }, "PanelLeft", "ImageLeft"},
        {"options", [](QWidget* o) { return new TFormOptions(o); }, "PanelImage", "Image"},
        {"file information", [](QWidget* o) { return new TFormFileInfo(o); }, "PanelImage",
         "Image"},
        {"wait", [](QWidget* o) { return new TFormWaitCalc(o); }, "PanelImage", "Image"},
    };
    CTestMainWindow main;
    std::optional<QColor> bandTop;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.dialog);
        QWidget* dialog = c.make(&main);
        dialog->show();
        const auto* panel = dialog->findChild<QWidget*>(QLatin1String(c.panel));
        ASSERT_NE(panel, nullptr);
        const auto* picture = panel->findChild<QWidget*>(QLatin1String(c.picture));
        ASSERT_NE(picture, nullptr);
        const QRect place(picture->mapTo(dialog, QPoint(0, 0)), picture->size());
        EXPECT_EQ(place, QRect(0, 0, kDialogPictureWidth, dialog->height()))
            << "the whole left edge";
        // The band's gradient spreads over the dialog's height: its top is all but the same.
        const QColor top = dialog->grab().toImage().pixelColor(1, 0);
        if (!bandTop)
            bandTop = top;
        EXPECT_TRUE(nearlyEqual(top, *bandTop, 2)) << "one band for all";
        dialog->close();
    }
}

TEST_F(DialogPicture, EachEmblemIsItsOwn)
{
    const TDialogPicture kinds[] = {TDialogPicture::Find, TDialogPicture::Replace,
                                    TDialogPicture::GotoLine, TDialogPicture::Program};
    QList<QImage> images;
    for (TDialogPicture kind : kinds)
        images.append(drawn(kind));
    for (qsizetype i = 0; i < images.size(); ++i) {
        EXPECT_EQ(images[i].size(), QSize(kDialogPictureWidth, 80));
        // Below the emblem only the band is left: the same in every picture.
        EXPECT_EQ(images[i].pixel(2, 70), images[0].pixel(2, 70)) << i;
        for (qsizetype j = 0; j < i; ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
    }
}

TEST_F(DialogPicture, ProgramPictureShowsTheProgramsIcon)
{
    // The icon's equals key is orange; no painted emblem uses that colour.
    const QColor orangeKey(0xff, 0x98, 0x00);
    EXPECT_TRUE(holdsColour(drawn(TDialogPicture::Program), orangeKey));
    EXPECT_FALSE(holdsColour(drawn(TDialogPicture::Find), orangeKey));
}

} // namespace
