// The square-root window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmsqroot", "Square root", 6990, 4635, &ComicSans, {}};

class frmsqroot : public Form {
public:
    explicit frmsqroot(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmsqroot(const NumberLocale& locale) { return std::make_unique<frmsqroot>(locale); }

} // namespace qv::windows
