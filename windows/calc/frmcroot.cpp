// The cube-root window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmcroot", "Cube root", 6930, 4800, &ComicSans, {}};

class frmcroot : public Form {
public:
    explicit frmcroot(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmcroot(const NumberLocale& locale) { return std::make_unique<frmcroot>(locale); }

} // namespace qv::windows
