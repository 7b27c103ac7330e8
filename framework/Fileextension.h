#pragma once

// Makes the desktop open the program's documents (".ombx") with this executable, or stops
// it. Failures end the operation silently: the association is a convenience, and the next
// save of the options tries again.
void registerFileExtension();
void unregisterFileExtension();
