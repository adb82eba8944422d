#pragma once

#include <QString>

// The promotional link texts both working windows carry.
inline const QString DiscussionBoardText = QStringLiteral(
    "The Most Popular Online Orlenda Discussion Board. Best Resource For Everything Orlenda. "
    "Visit our discussion board at www.orlenda.com!");
inline const QString HomeBusinessText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.");
