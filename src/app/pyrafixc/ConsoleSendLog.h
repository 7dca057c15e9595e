#pragma once
#include <ostream>
#include <string>
#include <vector>

// `pyrafixc send-log`: a quick scan (so the detections go into the log), then the
// log upload at once, since the user asked for it. 0 on a confirmed upload, 2 otherwise.
int ConsoleSendLog(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
