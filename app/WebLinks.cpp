#include "app/WebLinks.h"

QString HomePageUrl()
{
    return QStringLiteral("http://www.example.com/torvik/");
}

QString AdvertPageUrl()
{
    return QStringLiteral("http://www.example.com/torvik/ad.html");
}

QString MailUrl()
{
    return QStringLiteral("mailto:torvik@example.com");
}
