/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// Our Qt Quick Test main: the engine set up as qmltestsetup.h describes.

#include "qmltestsetup.h"

QUICK_TEST_MAIN_WITH_SETUP(orvadmindate, Setup)

// The setup class lives in the header; moc reads it from there.
#include "moc_qmltestsetup.cpp"
