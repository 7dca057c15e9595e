#pragma once
#include <string>
#include <vector>

// A file name holding "??" stands for a family of random names: after the "??"
// come two range ends, each ended by "?", from which letters (in Alphabet order)
// and numbers are counted. "msa??a?d?.exe" stands for msaa.exe, msab.exe and
// msac.exe; "run??1?4?.exe" for run1.exe, run2.exe and run3.exe.
bool HasRandomNames(const std::string& fileName);

// The member file names in the order they are tested: numbers inside letters.
// A family is cut after MaxRandomNames members, so a damaged range cannot keep
// the scan busy for hours.
constexpr size_t MaxRandomNames = 10000;
std::vector<std::string> RandomNameFamily(const std::string& fileName);
