#pragma once

// Raises this process's soft limit of open files to its hard limit: the
// usual 1,024 is easily taken by network clients, and the record, journal and
// message socket must always get a file.
void RaiseOpenFilesLimit();
