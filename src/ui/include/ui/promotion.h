#pragma once

#include "ui/translation.h"

// The promotional link texts both working windows carry.
inline constexpr TranslatableText DiscussionBoardText{
    "Promotion", QT_TRANSLATE_NOOP("Promotion",
                                   "The Most Popular Online Orlenda Discussion Board. Best Resource For Everything "
                                   "Orlenda. Visit our discussion board at www.orlenda.com!")};
inline constexpr TranslatableText HomeBusinessText{
    "Promotion", QT_TRANSLATE_NOOP("Promotion",
                                   "Home Business Opportunity. Start your own Internet business and make money "
                                   "online. Get this software fully branded for your website. Click here for more "
                                   "details.")};
