// The square's area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmsquare", "Area of a square", 7215, 4005, nullptr, {}};

class frmsquare : public Form {
public:
    explicit frmsquare(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmsquare(const NumberLocale& locale) { return std::make_unique<frmsquare>(locale); }

} // namespace qv::windows
