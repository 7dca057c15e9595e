#include "core/MessageTable.h"

namespace {

// One text a row, in row order; empty rows stay empty.
const char* const EnglishTexts[MessageCount] = {
    "Sending log...",                                                                                      // 0
    "Cannot send log file!",                                                                               // 1
    "Error",                                                                                               // 2
    "Log error...",                                                                                        // 3
    "Detail report: (",                                                                                    // 4
    ": Infected file (",                                                                                   // 5
    ": Cannot open file (",                                                                                // 6
    ": Scanning, please wait...",                                                                          // 7
    "Scanning...",                                                                                         // 8
    "Initialize some settings, please wait...",                                                            // 9
    "Initialize error...",                                                                                 // 10
    "Infected with ",                                                                                      // 11
    ": Infected directory ",                                                                               // 12
    "You have some viruses in your computer.",                                                             // 13
    "Please Scan your computer with Pyrafix Pro to remove discovered viruses.",                            // 14
    "Virus list:",                                                                                         // 15
    "Checking ",                                                                                           // 16
    " Dangerous files have been found on your computer.",                                                  // 17
    "Click on \"Fix\" button to fix selected tasks.",                                                      // 18
    "You have ",                                                                                           // 19
    " dangerous viruses & worms in your computer by quick report.",                                        // 20
    "Alert",                                                                                               // 21
    "Click on \"Fix\" button to fix selected tasks by quick report!",                                      // 22
    "Information",                                                                                         // 23
    ": Your computer is clean!",                                                                           // 24
    "Your computer is clean...",                                                                           // 25
    "Your computer is clean from this kind of viruses!",                                                   // 26
    "Do you wish to send us your log file for analyze and statistics?",                                    // 27
    "Question",                                                                                            // 28
    "Scan process aborted.",                                                                               // 29
    "Scan process finished.",                                                                              // 30
    "Cleaning please wait...",                                                                             // 31
    "Cleaning ",                                                                                           // 32
    ": Cleaning ",                                                                                         // 33
    "Cleaning...",                                                                                         // 34
    "Clean...[%f sec]",                                                                                    // 35
    ": File cleaned ",                                                                                     // 36
    ": Cannot clean file.",                                                                                // 37
    "Cannot clean file ",                                                                                  // 38
    " please try to delete this file manually.",                                                           // 39
    ": Directory removed ",                                                                                // 40
    "Clean...",                                                                                            // 41
    ": Cannot remove directory ",                                                                          // 42
    " Cleaning process finished!",                                                                         // 43
    " alerts have been cleaned!",                                                                          // 44
    "Do you wish to send us your log file for further analyze and statistics?",                            // 45
    ": Cleaning process aborted!",                                                                         // 46
    "If you wish Click on \"Quick Scan\" button to start scan again.",                                     // 47
    "Fix process aborted.",                                                                                // 48
    "Fix process finished.",                                                                               // 49
    "Adding alerts to Quarantine, please wait...",                                                         // 50
    "Add in Quarantine ",                                                                                  // 51
    ": Add in Quarantine ",                                                                                // 52
    ": File added ",                                                                                       // 53
    ": Cannot add file, it might be already in quarantine ",                                               // 54
    " Current process finished!",                                                                          // 55
    " To Fix tasks click on Fix button!",                                                                  // 56
    " alerts have been added to quarantine!",                                                              // 57
    "Process finished.",                                                                                   // 58
    "Do you want to scan your computer for Viruses, Malwares, Worms, Spyware & Adware?",                   // 59
    "Do you want to fix selected alerts?",                                                                 // 60
    "Pyrafix Pro v4 only supports Microsoft Windows XP and Vista platform.",                               // 61
    "Last Update: ",                                                                                       // 62
    "Your version is already upgraded!",                                                                   // 63
    "Successfully upgraded!",                                                                              // 64
    "Do you want to terminate selected processes?",                                                        // 65
    "Cannot delete process ",                                                                              // 66
    "Do you want to delete selected values?",                                                              // 67
    "Cannot delete value ",                                                                                // 68
    "Key value ",                                                                                          // 69
    " does not exists!",                                                                                   // 70
    "Selected values successfully deleted!",                                                               // 71
    "Active processes (",                                                                                  // 72
    "Running processes: (",                                                                                // 73
    "Scan your computer for viruses.",                                                                     // 74
    "",                                                                                                    // 75
    "Update virus database via internet.",                                                                 // 76
    "Manage active processes.",                                                                            // 77
    "Manage Windows startup files.",                                                                       // 78
    "Build full report log file.",                                                                         // 79
    "Exit program.",                                                                                       // 80
    "About Pyrafix Pro.",                                                                                  // 81
    "Scan your computer for viruses.",                                                                     // 82
    "Abort scanning.",                                                                                     // 83
    "Fix alerts.",                                                                                         // 84
    "Back to main window.",                                                                                // 85
    "Terminate selected tasks.",                                                                           // 86
    "Refresh task list.",                                                                                  // 87
    "Delete selected startup values.",                                                                     // 88
    "Refresh Windows startup list.",                                                                       // 89
    "Database updated, database date: ",                                                                   // 90
    "Database updated last update date is ",                                                               // 91
    "Finished ",                                                                                           // 92
    " bytes.",                                                                                             // 93
    "Cannot update database...",                                                                           // 94
    "Cannot update database, check your internet connection or retry later!",                              // 95
    "Report bug.",                                                                                         // 96
    "Report virus.",                                                                                       // 97
    " dangerous files in your computer, click \"Fix\" button to fix this tasks!",                          // 98
    " Scan process abort.",                                                                                // 99
    "Your program version is out of date, do you want to upgrade it?",                                     // 100
    "Your version is ",                                                                                    // 101
    "New version is ",                                                                                     // 102
    "Cannot upgrade database until Pyrafix Pro is not upgraded to latest version!",                        // 103
    "Your database is out of date, do you wan\x92\x92t to upgrade it?",                                    // 104
    "Download database updating ",                                                                         // 105
    "Updating database...",                                                                                // 106
    "Downloading ",                                                                                        // 107
    "Do you want to add selected alerts in Quarantine?",                                                   // 108
    "Quarantine",                                                                                          // 109
    "Add alerts to quarantine.",                                                                           // 110
    "Can not get Service List!",                                                                           // 111
    "Running",                                                                                             // 112
    "Stopped",                                                                                             // 113
    "Details!",                                                                                            // 114
    "Refresh Services list!",                                                                              // 115
    "Restart service list!",                                                                               // 116
    "Stop selected service!",                                                                              // 117
    "Start selected service!",                                                                             // 118
    "Upgrade your version to ",                                                                            // 119
    "Manage services.",                                                                                    // 120
    "File has been sent!",                                                                                 // 121
    "Complete",                                                                                            // 122
    "Log file successfully sent, Thank you!",                                                              // 123
    "Log sent...",                                                                                         // 124
    "Cannot send log file!",                                                                               // 125
    "Log error...",                                                                                        // 126
    "Select language.",                                                                                    // 127
    "Do you want to scan all files on your computer for complete cleaning (This might take few minutes).", // 128
    "Note:",                                                                                               // 129
    "",                                                                                                    // 130
    "Notes:",                                                                                              // 131
    "1. If some viruses has not been cleaned please try to delete those files manually or restart your computer in "
    "Safe Mode then Scan again.",                                                                    // 132
    "",                                                                                              // 133
    "Important note:",                                                                               // 134
    "Before scanning please close Internet Explorer/Internet Browsers and all Active Applications.", // 135
    "Note:",                                                                                         // 136
    "To Clean reported tasks please click on Fix Button",                                            // 137
    "Suspicious file ",                                                                              // 138
    " (File not readable)",                                                                          // 139
    ": Suspicious file (",                                                                           // 140
    "This file can be dangerous for your computer because it is in memory And it is not readable and it might have "
    "unknown random filename.",                                                       // 141
    "Do you want to abort full scan process?",                                        // 142
    "If aborting without full scan process your computer might not be cleaned 100%!", // 143
    "Pyrafix Pro Scan alert",                                                         // 144
    "Do you want to clean active virus alerts?",                                      // 145
    "Scan drives ",                                                                   // 146
    "Some dangerous files has been found on your computer. For safely reasons please click on <Scan> button for full "
    "scan process of all drives And files in you computer. Note: This might take couple of minutes.", // 147
    "Finished...",                                                                                    // 148
    "Pyrafix Pro is upgraded!",                                                                       // 149
    "Finished",                                                                                       // 150
    "Do you want to abort current process?",                                                          // 151
    "Do you want to restore selected tasks?",                                                         // 152
    "Restoring...",                                                                                   // 153
    "Restoring ",                                                                                     // 154
    "File restored...",                                                                               // 155
    "Cannot restore file!",                                                                           // 156
    "Selected tasks have been restored!",                                                             // 157
    "Do you want to clear quarantine?",                                                               // 158
    "Quarantine cleared!",                                                                            // 159
    "Do you want to delete selected tasks?",                                                          // 160
    "Deleting",                                                                                       // 161
    "Deleting ",                                                                                      // 162
    "Task removed!",                                                                                  // 163
    "Cannot remove task!",                                                                            // 164
    "Selected tasks have been removed!",                                                              // 165
    "File added to Quarantine, you can safely delete it!",                                            // 166
    "Cannot add file to Quarantine!",                                                                 // 167
    "File already exists in Quarantine!",                                                             // 168
    "",                                                                                               // 169
    "Do you want to build full report?",                                                              // 170
    "Abort log",                                                                                      // 171
    " full information log file.",                                                                    // 172
    "Generated at: ",                                                                                 // 173
    " on ",                                                                                           // 174
    "Error writing log file!",                                                                        // 175
    "Log process aborted!",                                                                           // 176
    "Full report log",                                                                                // 177
    "Welcome",                                                                                        // 178
    "Build log about",                                                                                // 179
    "Startup ",                                                                                       // 180
    "Service ",                                                                                       // 181
    "Proc ",                                                                                          // 182
    "Startup folder: (",                                                                              // 183
    "Startup name: ",                                                                                 // 184
    "Command: ",                                                                                      // 185
    "Win.ini Startup: (",                                                                             // 186
    "Path: ",                                                                                         // 187
    "Win.ini Startup: (",                                                                             // 188
    "Keyboard drivers: (",                                                                            // 189
    "Win.ini Startup: (",                                                                             // 190
    "Name: ",                                                                                         // 191
    " (No file)",                                                                                     // 192
    "Services: (",                                                                                    // 193
    "Service Name: ",                                                                                 // 194
    "Win.ini Startup: (",                                                                             // 195
    "Name: ",                                                                                         // 196
    " (No file)",                                                                                     // 197
    "Services: (",                                                                                    // 198
    "Cannot load the detection database ",                                                            // 199
    "the file does not exist",                                                                        // 200
    "the file cannot be read or is not a detection database",                                         // 201
    "Cannot save the quarantine index ",                                                              // 202
    "Cannot delete the quarantine index ",                                                            // 203
    "cannot read the quarantine index ",                                                              // 204
    ": not in the quarantine",                                                                        // 205
    ": cannot restore the file",                                                                      // 206
    ": removed from the list, but its stored copy could not be deleted",                              // 207
    "restored ",                                                                                      // 208
    "removed ",                                                                                       // 209
    "quarantine cleared",                                                                             // 210
    "md5 needs at least one file",                                                                    // 211
    ": cannot read the file",                                                                         // 212
    "cannot read the database ",                                                                      // 213
    " is damaged or is not a Pyrafix database",                                                       // 214
    "unknown option for scan: ",                                                                      // 215
    "no command given",                                                                               // 216
    "unknown command: ",                                                                              // 217
    "Cannot upgrade, please check your internet connection.",                                         // 218
    "Connection error",                                                                               // 219
    "Pyrafix Pro Info",                                                                               // 220
    "Cannot download the program upgrade from ",                                                      // 221
    "unknown option for update: ",                                                                    // 222
    "The downloaded program upgrade is not signed by Zentrova, so it was deleted and not started: ",  // 223
    "report written to ",                                                                             // 224
    "cannot write the report ",                                                                       // 225
    " needs a file name",                                                                             // 226
    "unknown option: ",                                                                               // 227
    "JSON report written to ",                                                                        // 228
    "Language saved!",                                                                                // 229
    "Cannot read the language file ",                                                                 // 230
    "language template written to ",                                                                  // 231
    "language needs: export FILE",                                                                    // 232
    "Tips:\r1. Check if some firewall is disable "
    "Pyrafix Pro internet connection.", // 233
    "2. Open Microsoft Internet Explorer and Turn off option Work offline if it is active.\r3. Make sure that "
    "you have latest Microsoft Internet Explorer version.",      // 234
    "cannot write the file ",                                    // 235
    "scan-files needs a file or folder",                         // 236
    "--fix and --quarantine cannot be given together",           // 237
    "cannot read the hash signatures ",                          // 238
    ": cannot be read, so it was not checked",                   // 239
    ": a link, not entered",                                     // 240
    ": cannot be read at all",                                   // 241
    "Files checked: ",                                           // 242
    ", found: ",                                                 // 243
    ", not read: ",                                              // 244
    ", links not entered: ",                                     // 245
    "Press any key to close this window.",                       // 246
    ": On the ignore list, passed over (",                       // 247
    ": on the ignore list, passed over",                         // 248
    ": The ignore list cannot be read, so it ignores nothing: ", // 249
    "added to the ignore list: ",                                // 250
    "removed from the ignore list: ",                            // 251
    "neither an MD5 text nor a full path, or no name: ",         // 252
    "no ignore list entry numbered ",                            // 253
    "cannot write the ignore list ",                             // 254
    "the ignore list cannot be read, so it is left as it is: ",  // 255
    "Hash signatures updated",                                   // 256
    "Cannot update the hash signatures",                         // 257
};

} // namespace

std::string ConnectionErrorMessage(const MessageTable& messages)
{
    return messages.Text(Msg::ConnectionErrorText) + "\r\r" + messages.Text(Msg::ConnectionTips) + "\r" +
           messages.Text(Msg::ConnectionTipsMore);
}

MessageTable::MessageTable()
{
    for (int i = 0; i < MessageCount; ++i)
        rows_[static_cast<size_t>(i)] = EnglishTexts[i];
}
