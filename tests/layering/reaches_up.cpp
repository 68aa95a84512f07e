// A file for the test layering.check_finds_an_upward_include: checked as if it belonged to the numeric
// library (layer 0), its include of the window model (layer 1) must be named. It is never compiled.
#include "numeric/numtext.h"
#include "ui/form.h"
