#pragma once
#include "lang/MultiLang.h"

class QWidget;

namespace vm {

// Applies the language's [COMPONENT] lines for `form` (matched by its object
// name) to the components it owns. Our windows name their controls like the
// lines do; the string properties are "Caption", "Hint" and "Text", and any Qt
// string property by its own name. Anything else is skipped silently.
void TranslateForm(const TsMultiLang& language, QWidget* form);

} // namespace vm
