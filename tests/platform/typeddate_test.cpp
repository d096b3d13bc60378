#include "platform/typeddate.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(TypedDate, ADateReadsInTheFormatOrAsNumbersInItsOrderAndATwoDigitYearIn1930To2029)
{
    const struct {
        const char *typed, *format;
        QDate date; // invalid: refused
    } rows[] = {
        {"31/01/2004", "dd/MM/yyyy", {2004, 1, 31}},
        {" 31/01/2004 ", "dd/MM/yyyy", {2004, 1, 31}},
        {"31/02/2004", "dd/MM/yyyy", {}},
        {"29/02/2004", "dd/MM/yyyy", {2004, 2, 29}},
        {"01/31/2004", "dd/MM/yyyy", {}},
        {"", "dd/MM/yyyy", {}},
        {"tomorrow", "dd/MM/yyyy", {}},
        {"1/6/26", "M/d/yy", {2026, 1, 6}},
        {"12/31/29", "M/d/yy", {2029, 12, 31}},
        {"1/1/30", "M/d/yy", {1930, 1, 1}},
        {"1/6/2026", "M/d/yy", {2026, 1, 6}},
        {"06.01.26", "dd.MM.yy", {2026, 1, 6}},
        {"6 Jan 2026", "d MMM yyyy", {2026, 1, 6}},
        // The numbers the start date's message asks for, in the format's order.
        {"6/1/2026", "d MMM yyyy", {2026, 1, 6}},
        {"06/01/2026", "d MMM yyyy", {2026, 1, 6}},
        {"31/01/2004", "d MMM yyyy", {2004, 1, 31}},
        {"01/31/2004", "d MMM yyyy", {}},
        {"31/02/2004", "d MMM yyyy", {}},
        {"6/1/26", "d MMM yyyy", {}},
        {"6/1/2026", "dd/MM/yyyy", {2026, 1, 6}},
        {"06/01/2026", "dd.MM.yy", {2026, 1, 6}},
        {"01/31/2004", "M/d/yy", {2004, 1, 31}},
        {"2026/1/6", "yyyy-MM-dd", {2026, 1, 6}},
        {"6-1-2026", "d MMM yyyy", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ReadDate(QString::fromLatin1(row.typed), QString::fromLatin1(row.format)).value_or(QDate()), row.date)
            << row.typed << " as " << row.format;
}

} // namespace
} // namespace fixtora
