#pragma once
// A bare window to put controls on in tests.

#include "forms/form.h"
#include "qstringprinter.h"

class TestForm : public Form {
public:
    TestForm() : Form(QStringLiteral("frmTest")) {}
};
