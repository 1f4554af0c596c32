// SECTION's fixed texts, and the echo's two records as lists of the
// section's values. Texts are written as the record writer lays them out:
// one blank before each.
#pragma once

#include <string>
#include <vector>

#include "section/section_values.h"

namespace mphi {

constexpr char kEchoTitle[] = "Section data: in Ton-cm unit";
constexpr char kTableHeader[] = "--- k(J) ---    m(J) ---   e(j)  ---   c(j) ---";
constexpr char kYieldLabel[] = "Initial yield: M      K";
constexpr int kYieldIndent = 11;  // blanks before My

// The values of echo record 1 (b to clearb1cm) or 2 (dbcm to P0).
std::vector<const SectionValue*> echoRecord(int record);
// Its header: "b,h,dt,clearh2cm,cln3,cln4,dcm,num1,num2,num3,num4,clearb1cm" and
// "dbcm,sccm,fc,fy,fsy,Es,N".
std::string echoNames(int record);

}  // namespace mphi
