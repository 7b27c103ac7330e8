#include "framework/Programinfo.h"

#include "framework/Weblinks.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(ProgramInfo, FixedFacts)
{
    const std::pair<std::function<QString()>, const char*> cases[] = {
        {getProgramName, "Ombrix"},     {getDocumentExtension, ".ombx"},
        {getLogFileName, "ombrix.log"}, {getHelpFileName, "ombrix.chm"},
        {getVersion, "1.0.1.1"},
    };
    for (const auto& [fact, expected] : cases)
        EXPECT_EQ(fact().toStdString(), expected);
    EXPECT_TRUE(QUrl(getWebSite(), QUrl::StrictMode).isValid());
    EXPECT_FALSE(getSupportEmail().startsWith(QStringLiteral("mailto:")));
}

// Receives what would have gone to the browser or the mail client.
class CUrlCatcher : public QObject
{
    Q_OBJECT

public:
    CUrlCatcher()
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "catchUrl");
    }
    ~CUrlCatcher() override
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> urls;

public slots:
    void catchUrl(const QUrl& url) { urls.append(url); }
};

TEST(WebLinks, OpenURLHandsTheTrimmedAddressToTheBrowser)
{
    CUrlCatcher catcher;
    openURL(QStringLiteral("  https://ombrix.example.org/help?page=1 \n"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(QUrl::FullyEncoded),
              QStringLiteral("https://ombrix.example.org/help?page=1"));
}

TEST(WebLinks, SendMailKeepsSubjectAndBodyIntact)
{
    struct TCase
    {
        const char* address;
        const char* subject;
        const char* body;
        const char* url;
    };
    const TCase cases[] = {
        {"support@ombrix.example.org", "Ombrix", "",
         "mailto:support@ombrix.example.org?subject=Ombrix&body="},
        {" a@b.example ", "  two words ", " x ", "mailto:a@b.example?subject=two%20words&body=x"},
        // "&" and "=" must not start another field of the message.
        {"a@b.example", "Q&A body=1", "1+1=2 & more",
         "mailto:a@b.example?subject=Q%26A%20body%3D1&body=1%2B1%3D2%20%26%20more"},
        {"a@b.example", "\xd0\xa2\xd0\xb5\xd1\x81\xd1\x82", "",
         "mailto:a@b.example?subject=%D0%A2%D0%B5%D1%81%D1%82&body="},
    };
    for (const TCase& c : cases) {
        CUrlCatcher catcher;
        const QString subject = QString::fromUtf8(c.subject);
        const QString body = QString::fromUtf8(c.body);
        sendMail(QString::fromUtf8(c.address), subject, body);
        ASSERT_EQ(catcher.urls.size(), 1) << c.subject;
        EXPECT_EQ(catcher.urls[0].toString(QUrl::FullyEncoded).toStdString(), c.url);
        const QUrlQuery query(catcher.urls[0]);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                  subject.trimmed());
        EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body.trimmed());
    }
}

} // namespace

#include "PrograminfoTest.moc"
