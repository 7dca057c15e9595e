#pragma once
#include <ostream>
#include <string>
#include <vector>

// "ignore add PATH [NAME] | add-md5 MD5 NAME | list | remove N" over Ignore.dat of
// `programFolder` (arguments after the word "ignore"). Exit codes: 0 done, 2 an
// error. A damaged list is reported and never rewritten.
int RunIgnoreCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                     std::ostream& err);
