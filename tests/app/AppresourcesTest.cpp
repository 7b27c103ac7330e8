#include "app/Appresources.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Every icon the windows ask for, by name.
const QStringList kIconNames = {
    QStringLiteral("ombrix"), // window, tray and desktop entry
    QStringLiteral("new"),
    QStringLiteral("open"),
    QStringLiteral("save"),
    QStringLiteral("cut"),
    QStringLiteral("copy"),
    QStringLiteral("paste"),
    QStringLiteral("messages"),       // show or hide the messages pane
    QStringLiteral("calculate"),      // Calculate All
    QStringLiteral("help"),           // help contents
    QStringLiteral("clear"),          // clear the messages pane
    QStringLiteral("restore-height"), // the messages pane back to its smallest height
    QStringLiteral("hide-pane"),
    QStringLiteral("zoom-in"),
    QStringLiteral("zoom-out"),
    QStringLiteral("zoom-default"),
    QStringLiteral("word-wrap"),
    QStringLiteral("save-results"), // the results window's Save
};

// An icon that loads but draws (almost) nothing is an SVG the renderer did not understand.
int countVisiblePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++count;
    return count;
}

class AppResources : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { initAppResources(); }
};

} // namespace

TEST_F(AppResources, EveryIconDrawsAtToolBarSize)
{
    const QSize size(32, 32);
    for (const QString& name : kIconNames) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap pixmap = appIcon(name).pixmap(size);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), size);
        // Flat pictures on a clear ground: well drawn, yet not a filled square.
        const int visible = countVisiblePixels(pixmap.toImage());
        EXPECT_GT(visible, size.width() * size.height() / 5);
        EXPECT_LT(visible, size.width() * size.height());
    }
}

TEST_F(AppResources, ProgramIconDrawsAtWindowTrayAndDesktopSizes)
{
    for (const int side : {16, 24, 32, 48, 256}) {
        SCOPED_TRACE(side);
        const QPixmap pixmap = appIcon(QStringLiteral("ombrix")).pixmap(QSize(side, side));
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(side, side));
    }
}

TEST_F(AppResources, EveryIconIsAPictureOfItsOwn)
{
    QList<QImage> images;
    for (const QString& name : kIconNames)
        images.append(appIcon(name).pixmap(QSize(32, 32)).toImage());
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j])
                << kIconNames[i].toStdString() << " and " << kIconNames[j].toStdString();
}

TEST_F(AppResources, ResourceHoldsExactlyTheListedIcons)
{
    QStringList expected;
    for (const QString& name : kIconNames)
        expected.append(name + QLatin1String(".svg"));
    expected.sort();
    EXPECT_EQ(QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name), expected);
}

TEST_F(AppResources, UnknownNameGivesNoPicture)
{
    EXPECT_TRUE(appIcon(QStringLiteral("no-such-icon")).pixmap(QSize(32, 32)).isNull());
}
