#pragma once

#include <QString>

// The maker's web pages and mail address, opened from the help menu and the about box.
QString HomePageUrl();
QString AdvertPageUrl();
QString MailUrl();
