// The operator database against its lists: countries, counts, names, MMS
// ports as traced to the sources, the named slots beyond the counts, widths,
// and the fills.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/process_state.h"
#include "app/state_files.h"
#include "common/gbk_codec.h"
#include "send/operator_db.h"
#include "test_support.h"

namespace trailcfg {
namespace {

struct ListedCountry {
    const char* zh;
    const char* en;
    std::vector<std::pair<const char*, const char*>> operators;  // name, MMS port
};

// Names in UTF-8; China's operator is given by its English name here and
// checked in Chinese separately.
const std::vector<ListedCountry>& Expected() {
    static const std::vector<ListedCountry> rows = {
        {"中国", "China", {{"China Unicom", "80"}}},
        {"美国", "United States", {{"T-Mobile", "8080"}}},
        {"德国", "Deutschland", {{"Vodafone", "80"}, {"T-Mobile", "8008"}, {"E-Plus", "8080"}, {"O2", "8080"}}},
        {"英国",
         "United Kingdom",
         {{"Vodafone", "8799"},
          {"O2 Payandgo", "8080"},
          {"Orange", "8080"},
          {"3", "8799"},
          {"Virgin", "8080"},
          {"Vodafone Prepay", "8799"},
          {"ASDA Mobile", "8080"},
          {"EE", "8080"}}},
        {"加拿大", "Canada", {{"Fido", "80"}, {"Rogers", "80"}, {"Telus", "80"}, {"Bell", "80"}}},
        {"瑞典", "Sweden", {{"Telenor", "8799"}, {"Telia", "80"}, {"Tele2 ", "8080"}}},
        {"斯洛文尼亚",
         "Slovenia",
         {{"Mobitel", "8080"}, {"Izi Mobil", "8080"}, {"Si Mobil", "9201"}, {"Bob", "9201"}, {"Telemach", "8080"}}},
        {"葡萄牙", "Portugal", {{"Optimus", "8799"}, {"Vodafone", "8799"}}},
        {"土耳其", "Turkey", {{"Avea", "8080"}, {"Turkcell", "8080"}}},
        {"瑞士", "Schweiz", {{"Orange", "8080"}, {"Sunrise", "8080"}, {"Swisscom", "8080"}}},
        {"西班牙", "Spain", {{"Orange", "8080"}, {"Vodafone", "80"}, {"Telstra", "80"}, {"Movistar", "8080"}}},
        {"斯洛伐克", "Slovakia", {{"T-Mobile", "8080"}, {"Orange", "8799"}, {"O2", "8080"}}},
        {"俄罗斯",
         "Russia",
         {{"A Mobile", "9201"},
          {"Beeline", "8080"},
          {"Megafon", "8080"},
          {"MTS", "8080"},
          {"Tele2", "8080"},
          {"Yota", "8080"},
          {"Rostelecom", "8080"},
          {"Motiv", "8080"},
          {"letai", "8080"}}},
        {"罗马尼亚", "Romania", {{"Telekom", "8080"}, {"Vodafone", "8080"}}},
        {"波兰", "Poland", {{"ERA", "8080"}}},
        {"荷兰", "Netherlands", {{"T-Mobile", "8080"}, {"Vodafone", "8799"}}},
        {"意大利", "Italy", {{"TIM", "80"}, {"Vodafone", "80"}}},
        {"爱尔兰", "Ireland", {{"Meteor", "8799"}, {"Vodafone", "80"}}},
        {"匈牙利", "Hungary", {{"T-Mobile", "8080"}, {"Vodafone", "8080"}}},
        {"希腊", "Greece", {{"T-Cosmote", "8080"}, {"Vodafone", "5080"}}},
        {"法国", "France", {{"Bouygues", "8080"}, {"Orange", "8080"}}},
        {"澳大利亚",
         "Australia",
         {{"Optus", "8070"}, {"Telstra", "80"}, {"Vodafone", "8080"}, {"Three", "8799"}, {"AldiMobile", "80"}}},
        {"奥地利", "Oesterreich", {{"A1", "8001"}, {"T-Mobile", "80"}}},
        {"巴西", "Brazil", {{"Brazil Telecom", "3128"}, {"Claro", "8799"}}},
        {"保加利亚", "Bulgaria", {{"Telenor", "8004"}, {"M-tel", "8080"}, {"Vivacom", "8080"}}},
        {"克罗地亚",
         "Croatia",
         {{"VIPNet", "8080"}, {"T-mobile", "8080"}, {"Tele2", "8080"}, {"Tomato", "8080"}, {"Bonbon", "8080"}}},
        {"捷克共和国",
         "Ceska republika",
         {{"Eurotel", "8080"}, {"O2", "8080"}, {"T-Mobile", "80"}, {"Vodafone", "80"}}},
        {"丹麦", "Denmark", {{"TDC", "8080"}, {"Telia", "8080"}}},
        {"芬兰", "Finland", {{"DNA", "8080"}, {"Sonera", "80"}, {"Elisa", "80"}}},
        {"新西兰", "New Zealand", {{"Vodafone", "8080"}}},
        {"挪威", "Norway", {{"Teila N", "8080"}, {"Telenor", "8080"}, {"Tele2", "8080"}, {"NetworkNorway", "80"}}},
        {"南非", "South Africa", {{"Cell C", "8080"}, {"Vodacom", "8080"}, {"MTN", "8080"}}},
        {"埃及", "Egypt", {{"MobilNil", "8080"}, {"Vodafone", "8080"}}},
        {"乌克兰",
         "Ukraine",
         {{"KiyvStar", "8080"}, {"MTS", "8080"}, {"LIFE", "8080"}, {"Beeline UA", "8080"}, {"UMC Ukraine", "8080"}}},
        {"立陶宛", "Lithuania", {{"Omnitel", "8080"}, {"Omnitel Ezio", "8080"}}},
        {"印度", "India", {{"Idea", "8080"}, {"BPL", "8799"}, {"Airtel", "8799"}, {"VodaFone", "9401"}}},
        {"拉脱维亚", "Latvia", {{"LMT", "8080"}}},
        {"纳米比亚", "Namibia", {{"MTC", "80"}}},
        {"爱沙尼亚", "Estonia", {{"EMT", "8080"}, {"ELISA", "8080"}, {"TELE2", "8080"}}},
        {"比利时", "Belgium", {{"Proximus", "8080"}, {"Mobistar", "8080"}, {"Base", "8080"}}},
        {"塞浦路斯", "Cyprus", {{"Cyta", "8080"}}},
        {"智利", "Chile", {{"Telefonica", "9201"}, {"Entel", "8080"}}},
        {"波黑", "Bosnia and Herzegovina", {{"Mtel", "8080"}}},
    };
    return rows;
}

TEST(OperatorDatabase, CountriesCountsNamesAndPortsAreAsPublished) {
    const auto& rows = Expected();
    ASSERT_EQ(rows.size(), 43u);
    int listed = 0;
    for (int c = 0; c < kCountryCount; ++c) {
        SCOPED_TRACE(rows[c].en);
        EXPECT_EQ(GbkToUtf8(CountryName(c, 0)), rows[c].zh);
        EXPECT_STREQ(CountryName(c, 1), rows[c].en);
        const int count = OperatorCount(c, 1);
        EXPECT_EQ(count, static_cast<int>(rows[c].operators.size()));
        EXPECT_EQ(OperatorCount(c, 0), count);
        listed += count;
        for (int op = 0; op < count; ++op) {
            EXPECT_STREQ(OperatorName(c, op, 1), rows[c].operators[op].first);
            if (c != 0) {
                EXPECT_STREQ(OperatorName(c, op, 0), OperatorName(c, op, 1)) << "same in both languages";
            }
            EXPECT_STREQ(MmsParamOf(c, op).port, rows[c].operators[op].second);
        }
    }
    EXPECT_EQ(listed, 123);
    EXPECT_EQ(GbkToUtf8(OperatorName(0, 0, 0)), "中国联通");
    EXPECT_EQ(OperatorCount(12, 0), 9);
    EXPECT_STREQ(OperatorName(12, 8, 1), "letai");
    EXPECT_EQ(GbkToUtf8(ManualPlaceholder()[0]), "其他");
    EXPECT_STREQ(ManualPlaceholder()[1], "Others");
}

bool FullProvisioning(int c, int s) {
    const NetParam& n = NetParamOf(c, s);
    const MmsParam& m = MmsParamOf(c, s);
    return *n.apn && *m.url && *m.apn && *m.gateway && *m.port;
}

bool EmptyProvisioning(int c, int s) {
    const NetParam& n = NetParamOf(c, s);
    const MmsParam& m = MmsParamOf(c, s);
    for (const char* t : {n.apn, n.account, n.password, m.url, m.apn, m.gateway, m.port, m.account, m.password})
        if (*t) return false;
    return true;
}

TEST(OperatorDatabase, SlotsBeyondTheCountsAreNamedOnlyWhereListed) {
    EXPECT_EQ(GbkToUtf8(OperatorName(0, 1, 0)), "中国移动");
    EXPECT_STREQ(OperatorName(0, 1, 1), "China Mobile");
    EXPECT_TRUE(FullProvisioning(0, 1));
    EXPECT_STREQ(OperatorName(1, 1, 1), "AT&T");
    EXPECT_TRUE(FullProvisioning(1, 1));
    EXPECT_STREQ(OperatorName(34, 2, 1), "Tele2 Pildyk");
    EXPECT_STREQ(OperatorName(34, 3, 1), "Bite");
    EXPECT_TRUE(EmptyProvisioning(34, 2));
    EXPECT_TRUE(EmptyProvisioning(34, 3));

    const std::set<std::pair<int, int>> named = {{0, 1}, {1, 1}, {34, 2}, {34, 3}};
    for (int c = 0; c < kCountryCount; ++c)
        for (int s = OperatorCount(c, 1); s < kOperatorSlots; ++s) {
            if (named.count({c, s})) continue;
            EXPECT_STREQ(OperatorName(c, s, 0), "") << c << "/" << s;
            EXPECT_TRUE(EmptyProvisioning(c, s)) << c << "/" << s;
        }
}

TEST(OperatorDatabase, EveryListedOperatorHasTheFiveRequiredValuesAndFitsItsFields) {
    int netAccounts = 0, mmsAccounts = 0;
    for (int c = 0; c < kCountryCount; ++c)
        for (int s = 0; s < kOperatorSlots; ++s) {
            const NetParam& n = NetParamOf(c, s);
            const MmsParam& m = MmsParamOf(c, s);
            if (s < OperatorCount(c, 1)) {
                EXPECT_TRUE(FullProvisioning(c, s)) << CountryName(c, 1) << " " << OperatorName(c, s, 1);
                netAccounts += *n.account != 0;
                mmsAccounts += *m.account != 0;
            }
            EXPECT_LE(std::strlen(n.apn), 60u);
            EXPECT_LE(std::strlen(n.account), 32u);
            EXPECT_LE(std::strlen(n.password), 32u);
            EXPECT_LE(std::strlen(m.url), 60u);
            EXPECT_LE(std::strlen(m.apn), 60u);
            EXPECT_LE(std::strlen(m.gateway), 15u) << "an address, never a host name cut short";
            EXPECT_LE(std::strlen(m.port), 8u);
            EXPECT_LE(std::strlen(m.account), 32u);
            EXPECT_LE(std::strlen(m.password), 32u);
        }
    // Operators publish an account for some networks only; most of those are filled.
    EXPECT_GT(netAccounts, 0);
    EXPECT_GT(mmsAccounts, 0);
}

TEST(OperatorDatabase, EveryOperatorWithTextsSaysWhereTheyComeFrom) {
    // The four operators that no published APN database has.
    const std::set<std::pair<int, int>> unconfirmed = {{12, 0}, {12, 7}, {12, 8}, {37, 0}};
    int confirmed = 0;
    for (int c = 0; c < kCountryCount; ++c)
        for (int s = 0; s < kOperatorSlots; ++s) {
            const OperatorSource& source = OperatorSourceOf(c, s);
            const std::string where = std::to_string(c) + "/" + std::to_string(s);
            if (EmptyProvisioning(c, s)) {
                EXPECT_STREQ(source.release, "") << where;
                EXPECT_STREQ(source.exceptions, "") << where;
                continue;
            }
            // Two sources confirm an operator only where it is in both.
            EXPECT_TRUE(source.confirmedBy < 2 || (*source.release && *source.gnome)) << where;
            if (unconfirmed.count({c, s})) {
                EXPECT_STREQ(source.release, "") << where;
                EXPECT_NE(std::string(source.exceptions), "") << where << ": its texts are all given by hand";
                EXPECT_EQ(source.confirmedBy, 0) << where;
                continue;
            }
            ++confirmed;
            EXPECT_NE(std::string(source.release), "") << where;
            EXPECT_NE(std::string(source.mmsRelease), "") << where;
            EXPECT_NE(std::string(source.carrier), "") << where;
            EXPECT_NE(std::string(source.mmsCarrier), "") << where;
            const std::string mccMnc = source.mccMnc;
            EXPECT_TRUE(mccMnc.size() >= 6 && mccMnc[3] == '-') << where << ": " << mccMnc;
        }
    EXPECT_EQ(confirmed, 121) << "123 listed and the China Mobile and AT&T slots, less the four";
}

TEST(OperatorDatabase, FillsCopyEveryCellAndEmptyFieldsForEmptyCells) {
    ResetProcessState();
    // Find a listed operator with an empty MMS account and an empty 3G account.
    int country = -1, op = -1;
    for (int c = 0; c < kCountryCount && country < 0; ++c)
        for (int s = 0; s < OperatorCount(c, 1); ++s)
            if (!*MmsParamOf(c, s).account && !*NetParamOf(c, s).account) {
                country = c, op = s;
                break;
            }
    ASSERT_GE(country, 0) << "no operator without accounts to test the emptying with";
    std::strcpy(g_sSendSet.sMmsSet.szMmsAccount, "old-account");
    std::strcpy(g_sSendSet.sSmtpSet.sz3GSmtpAccount, "old-account");
    g_sSendSet.byOperatorCountry = 7;
    g_sSendSet.byOperator = 1;

    test::DiagCapture out;
    FillMmsFromDatabase(country, op);
    Fill3GNetFromDatabase(country, op);
    EXPECT_EQ(out.text(),
              "lCountrySel = " + std::to_string(country) + ", lrOperatorIndex = " + std::to_string(op) + "\n");
    const MmsParam& m = MmsParamOf(country, op);
    EXPECT_STREQ(g_sSendSet.sMmsSet.szMmsUrl, m.url);
    EXPECT_STREQ(g_sSendSet.sMmsSet.szMmsGateway, m.gateway);
    EXPECT_STREQ(g_sSendSet.sMmsSet.szMmsPort, m.port);
    EXPECT_STREQ(g_sSendSet.sMmsSet.szMmsAccount, "");
    EXPECT_STREQ(g_sSendSet.sSmtpSet.sz3GSmtpApN, NetParamOf(country, op).apn);
    EXPECT_STREQ(g_sSendSet.sSmtpSet.sz3GSmtpAccount, "");
    EXPECT_EQ(g_sSendSet.byOperatorCountry, 7) << "a fill never touches the indices";
    EXPECT_EQ(g_sSendSet.byOperator, 1);
}

TEST(OperatorDatabase, LookUpsOutsideTheTablesAreHarmless) {
    ResetProcessState();
    std::strcpy(g_sSendSet.sMmsSet.szMmsUrl, "kept");
    test::DiagCapture out;
    FillMmsFromDatabase(0, -1);
    Fill3GNetFromDatabase(43, 0);
    EXPECT_STREQ(g_sSendSet.sMmsSet.szMmsUrl, "kept");
    EXPECT_STREQ(CountryName(43, 1), "");
    EXPECT_EQ(OperatorCount(-1, 0), 0);
    EXPECT_STREQ(OperatorName(0, 10, 1), "");
}

}  // namespace
}  // namespace trailcfg
