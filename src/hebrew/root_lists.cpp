#include "hebrew/root_lists.h"

#include <algorithm>

namespace morfenaar {

namespace {

// clang-format off
constexpr std::string_view kAFuture[] = {
    "LMD",  // leren: ILMD
    "GDL",  // groot worden: IGDL
    "SKB",  // liggen: ISKB
    "LBS",  // aantrekken: ILBS
    "NSQ",  // kussen: IISQ
    "NGS",  // naderen: IIGS
    "RKB",  // rijden: IRKB
    "ZQN",  // oud worden: IZQN
    "QRB",  // naderen: IQRB
    "DBQ",  // kleven: IDBQ
    "KBD",  // zwaar zijn: IKBD
    "QJN",  // klein worden: IQJN
    "HZQ",  // sterk worden: IHZQ
    "SKR",  // dronken worden: ISKR
};

constexpr std::string_view kStativeParticiple[] = {
    "GDL",  // groot worden: GDL, GDLE
    "SMH",  // blij zijn: SMH, SMHE
    "ISN",  // slapen: ISN, ISNE
    "IRA",  // vrezen: IRA, IRAE
    "MLA",  // vol zijn: MLA, MLAE
    "ZQN",  // oud worden: ZQN, ZQNE
    "IBS",  // droog worden: IBS, IBSE
    "SBO",  // verzadigd zijn: SBO, SBOE
    "ROB",  // honger hebben: ROB, ROBE
    "HPC",  // wensen: HPC, HPCE
};

constexpr std::string_view kKeepsFirstI[] = {
    "IRS",  // erven: IIRS
    "ISN",  // slapen: IISN
    "IRA",  // vrezen: IIRA
    "IBS",  // opdrogen: IIBS
    "IQC",  // ontwaken: IIQC
    "IGO",  // moe worden: IIGO
    "INQ",  // zuigen: IINQ
    "ISR",  // recht zijn: IISR
    "IOC",  // raad geven: IIOC
    "IQR",  // duur worden: IIQR
};

constexpr std::string_view kOkhalType[] = {
    "AKL",  // eten: IAKL, AWKL
    "AMR",  // zeggen: IAMR, AWMR
    "ABD",  // verloren gaan: IABD
    "ABE",  // willen: IABE
    "APE",  // bakken: IAPE
    "AHZ",  // grijpen: IAHZ
};

constexpr std::string_view kAtInfinitive[] = {
    "ELK",  // gaan: LLKT
    "LQH",  // nemen: LQHT
    "NSA",  // dragen: LSAT
    "NGO",  // aanraken: LGOT
    "NGS",  // naderen: LGST
    "IRS",  // erven: LRST (its future keeps the I)
};

constexpr std::string_view kHollowWithW[] = {
    "DIN",  // oordelen: IDWN, DWN
};

constexpr std::string_view kHollowStative[] = {
    "MWT",  // sterven: מֵת
};

constexpr std::string_view kStativeWithTsere[] = {
    "IRA",  // vrezen: יָרֵא
    "SNA",  // haten: שָׂנֵא
    "MLA",  // vol zijn: מָלֵא
    "CMA",  // dorsten: צָמֵא
};

constexpr std::string_view kGeminateStative[] = {
    "TMM",  // eindigen: תָּם, תַּמָּה
};

constexpr std::string_view kAssimilatedFirst[] = {
    "KR",  // NKR: הִכִּיר
    "CL",  // NCL: הִצִּיל
    "GS",  // NGS: הִגִּישׁ
    "BJ",  // NBJ: הִבִּיט
    "PL",  // NPL: הִפִּיל
    "GO",  // NGO: הִגִּיעַ
    "SG",  // NSG: הִשִּׂיג
    "SQ",  // NSQ: הִסִּיק
    "GD",  // NGD: הִגִּיד
    "ZQ",  // NZQ: הִזִּיק
    "CB",  // NCB: הִצִּיב
    "CG",  // ICG: הִצִּיג
    "CO",  // ICO: הִצִּיעַ
    "CT",  // ICT: הִצִּית
    "JL",  // NJL: הִטִּיל
    "TR",  // NTR: הִתִּיר
    "QP",  // NQP: הִקִּיף
    "BO",  // NBO: הִבִּיעַ
    "NH",  // NWH, put down: הִנִּיחַ
    "SO",  // NSO: הִסִּיעַ
};
// clang-format on

template <std::size_t N>
bool holds(const std::string_view (&list)[N], std::string_view root) {
  return std::ranges::find(list, root) != std::end(list);
}

}  // namespace

bool takesAFuture(std::string_view root) { return holds(kAFuture, root); }
bool hasStativeParticiple(std::string_view root) { return holds(kStativeParticiple, root); }
bool keepsFirstI(std::string_view root) { return holds(kKeepsFirstI, root); }
bool isOkhalType(std::string_view root) { return holds(kOkhalType, root); }
bool takesAtInfinitive(std::string_view root) { return holds(kAtInfinitive, root); }
bool isHollowWithW(std::string_view root) { return holds(kHollowWithW, root); }
bool isHollowStative(std::string_view root) { return holds(kHollowStative, root); }
bool isStativeWithTsere(std::string_view root) { return holds(kStativeWithTsere, root); }
bool isGeminateStative(std::string_view root) { return holds(kGeminateStative, root); }
bool hasAssimilatedFirst(std::string_view radicals) { return holds(kAssimilatedFirst, radicals); }

}  // namespace morfenaar
