#include "FakeMessageBox.h"

FakeMessageBox::FakeMessageBox() : FPrevious(SetMessageBoxService(this)) {}

FakeMessageBox::~FakeMessageBox() { SetMessageBoxService(FPrevious); }
