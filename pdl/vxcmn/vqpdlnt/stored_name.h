#pragma once
// stored_name.h - whether the user name stored in the job's devmode is the name the interface module sent for
// this job. Only then may the job header carry the user's ID and the private hold the devmode asks for.

#include "customnt/vqddigfx/pdev.h"

// Results of CompareStoredName.
constexpr SHORT kStoredNameBothEmpty = 1;      // equal, both empty
constexpr SHORT kStoredNameEqual = 2;          // equal, not empty
constexpr SHORT kStoredNameDevmodeEmpty = 3;   // different, the devmode's name empty
constexpr SHORT kStoredNameContextEmpty = 4;   // different, the sent name empty
constexpr SHORT kStoredNameDifferent = 5;      // different, both set

// Compares the devmode's stored name (its first 32 units, its sum and its length) with the name sent by
// escape 0x6FFFFF02 (its units, sum and length): equal when all three agree.
SHORT CompareStoredName(PDEV* pdev);

// Sets the four name-match flags of the context to 1 for an equal result (1 or 2), else to 0.
void SetNameMatchFlags(PDEV* pdev, SHORT result);
