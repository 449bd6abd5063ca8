#pragma once
// What the program keeps between runs, in the user's configuration folder:
// the projector's line weight.

// The saved line weight; normal when none is saved. A file that cannot be
// read, or a weight that is not one of 1, 2 and 3, is ignored with one line
// on standard error, and left as it is.
int readLineWeight();

// Saves the line weight; says so in one line on standard error if it cannot.
void saveLineWeight(int weight);
