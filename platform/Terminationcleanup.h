#pragma once

#include <QString>

// While armed, a signal that ends the program (TERM, INT, HUP) first removes the file named, or
// the folder named with the files in it: what holds the user's files for a moment must not
// outlive a program ended in the middle of it. Signals the program ignores stay ignored; after
// the removal the signal ends the program as it would have. A few names at a time; a name armed
// beyond them, or a kill that cannot be caught, still leaves it.
class CRemovedAtTermination
{
public:
    enum class TKind { File, Folder };

    CRemovedAtTermination() = default;
    ~CRemovedAtTermination();
    CRemovedAtTermination(const CRemovedAtTermination&) = delete;
    CRemovedAtTermination& operator=(const CRemovedAtTermination&) = delete;

    // In place of the name armed before, if any.
    void arm(const QString& name, TKind kind);

private:
    void release();

    int m_Slot = -1;
};

// Puts the removal in place now rather than at the first arm. A handler laid over the signals
// later (a stop at termination) keeps it as what it hands a signal on to; laid under that one,
// the removal would never be put in place.
void installRemovalAtTermination();

// Removes the folder and the files in it. A file that something else removed meanwhile is no
// failure, and one made there meanwhile is looked for again: the folder is gone after.
void removeFolderWithFiles(const QString& folder);
