#pragma once
// Precompiled once for every test program: Qt and its test library.
#include <QtTest>
#include <QtWidgets>
