#pragma once
// Precompiled once for every library of the program: the Qt headers nearly every file uses.
#include <QtWidgets>
