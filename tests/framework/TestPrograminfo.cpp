#include "framework/Programinfo.h"
#include "framework/Weblinks.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TFactCase {
    const char* name;
    std::function<QString()> fact;
    const char* expected;
};

TEST(ProgramInfo, FixedFacts)
{
    const TFactCase cases[] = {
        {"program name", getProgramName, "Ombrix"},
        {"document extension", getDocumentExtension, ".ombx"},
        {"log file", getLogFileName, "ombrix.log"},
        {"help file", getHelpFileName, "ombrix.chm"},
        {"version", getVersion, "1.0.1.1"},
    };
    for (const TFactCase& c : cases)
        EXPECT_EQ(c.fact().toStdString(), c.expected) << c.name;
}

TEST(ProgramInfo, VersionIsMadeOfItsParts)
{
    EXPECT_EQ(getVersion(), QStringLiteral("%1.%2.%3.%4")
                                .arg(getVersionMajor())
                                .arg(getVersionMinor())
                                .arg(getVersionRelease())
                                .arg(getVersionBuild()));
}

TEST(ProgramInfo, ContactAddressesAreUsable)
{
    const QUrl site(getWebSite(), QUrl::StrictMode);
    EXPECT_TRUE(site.isValid());
    EXPECT_EQ(site.scheme(), QStringLiteral("https"));
    EXPECT_FALSE(site.host().isEmpty());

    const QString mail = getSupportEmail();
    EXPECT_FALSE(mail.startsWith(QStringLiteral("mailto:")));
    EXPECT_EQ(mail.count(QLatin1Char('@')), 1);
    EXPECT_FALSE(mail.contains(QLatin1Char(' ')));
    EXPECT_FALSE(getProducer().trimmed().isEmpty());
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

struct TMailCase {
    const char* address;
    const char* subject;
    const char* body;
    const char* expectedUrl;
    const char* expectedSubject;
    const char* expectedBody;
};

TEST(WebLinks, SendMailKeepsSubjectAndBodyIntact)
{
    const TMailCase cases[] = {
        {"support@ombrix.example.org", "Ombrix", "",
         "mailto:support@ombrix.example.org?subject=Ombrix&body=", "Ombrix", ""},
        // Blanks around the parts are trimmed; blanks inside are encoded.
        {" a@b.example ", "  two words ", " x ", "mailto:a@b.example?subject=two%20words&body=x",
         "two words", "x"},
        // "&" and "=" in the subject must not start another field of the message.
        {"a@b.example", "Q&A body=1", "1+1=2 & more",
         "mailto:a@b.example?subject=Q%26A%20body%3D1&body=1%2B1%3D2%20%26%20more", "Q&A body=1",
         "1+1=2 & more"},
        {"a@b.example", "\xd0\xa2\xd0\xb5\xd1\x81\xd1\x82", "",
         "mailto:a@b.example?subject=%D0%A2%D0%B5%D1%81%D1%82&body=",
         "\xd0\xa2\xd0\xb5\xd1\x81\xd1\x82", ""},
    };
    for (const TMailCase& c : cases) {
        CUrlCatcher catcher;
        sendMail(QString::fromUtf8(c.address), QString::fromUtf8(c.subject), QString::fromUtf8(c.body));
        ASSERT_EQ(catcher.urls.size(), 1) << c.subject;
        const QUrl& url = catcher.urls[0];
        EXPECT_EQ(url.toString(QUrl::FullyEncoded).toStdString(), c.expectedUrl);
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded).toStdString(),
                  c.expectedSubject);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded).toStdString(),
                  c.expectedBody);
    }
}

} // namespace

#include "TestPrograminfo.moc"
