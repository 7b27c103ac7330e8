#pragma once

#include <QString>

// While armed, a signal that ends the program (TERM, INT, HUP) first removes the folder named and
// the files in it: a folder that holds the user's files for a moment must not outlive a program
// ended in the middle of it. Signals the program ignores stay ignored; after the removal the
// signal ends the program as it would have. One folder at a time; a kill that cannot be caught
// still leaves it.
class CRemovedAtTermination
{
public:
    CRemovedAtTermination() = default;
    ~CRemovedAtTermination();
    CRemovedAtTermination(const CRemovedAtTermination&) = delete;
    CRemovedAtTermination& operator=(const CRemovedAtTermination&) = delete;

    void arm(const QString& folder);
};
