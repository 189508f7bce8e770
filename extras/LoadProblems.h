#pragma once

class CVentryDoc;

// Tells in one message which files of a loaded set held several records under one index and
// which could not be read, each list under its own heading; nothing when there were none.
void ReportLoadProblems(const CVentryDoc& doc, const char* pszDuplicatesHeading,
                        const char* pszUnreadableHeading);
