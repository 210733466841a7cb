// The sphere's surface-area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmsph", "Area os sphere", 6390, 3285, &ComicSans, {}};

class frmsph : public Form {
public:
    explicit frmsph(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmsph(const NumberLocale& locale) { return std::make_unique<frmsph>(locale); }

} // namespace qv::windows
