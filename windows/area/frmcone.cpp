// The cone window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmcone", " ", 5970, 5670, &ComicSans, {}};

class frmcone : public Form {
public:
    explicit frmcone(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmcone(const NumberLocale& locale) { return std::make_unique<frmcone>(locale); }

} // namespace qv::windows
