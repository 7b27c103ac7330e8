#pragma once

#include <QString>

// The folder for temporary files: the one TMPDIR names when it is a folder, else the system's
// default, as the C library chooses. Qt's own choice is empty for a TMPDIR that names no folder,
// and a temporary name made from it would lie at the root of the file system. A name holding
// bytes that are no text is passed over too: the toolkit's temporary folders and the settings
// library reach only names that are text.
QString temporaryFolder();
