// Picture analysis: field sizes for every usage, the picture's class and
// capacities, and the codecs' own reading of a picture, which must agree
// with the sizes the layout gives.

#include "FuzzSupport.h"

#include "layout/core/CompField.h"
#include "layout/core/DisplayField.h"
#include "layout/core/PackDec.h"
#include "layout/core/Picture.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view picture(reinterpret_cast<const char *>(data), size);

    for (const Usage usage : {Usage::Display, Usage::Binary, Usage::Packed, Usage::Float4, Usage::Float8}) {
        for (const bool signSeparate : {false, true}) {
            const Result<FieldSizeResult> field = FieldSize(picture, usage, signSeparate);
            if (field)
                FUZZ_CHECK(field.value().bytes >= 0);
            else
                FUZZ_CHECK(field.error().ends_with("is not a valid integer value"));
        }
    }

    const Result<PictureClass> kind = ClassifyPicture(picture);
    // A repeat count of 0 takes a position away, so an invalid picture may
    // have fewer than none; the cell checks then refuse every digit.
    const NumericLimits limits = NumericCapacity(picture);
    FUZZ_CHECK(AlphanumericCapacity(picture) >= 0);
    FUZZ_CHECK(PictureDisplayLength(picture) >= 0);
    (void)AnalyzeDisplayPicture(picture);

    // An alphanumeric item holds as many characters as it has bytes.
    const Result<FieldSizeResult> displaySize = FieldSize(picture, Usage::Display);
    if (kind && kind.value() == PictureClass::Alphanumeric && displaySize && displaySize.value().bytes <= 2147483647)
        FUZZ_CHECK(AlphanumericCapacity(picture) == displaySize.value().bytes);

    // A picture the binary codec takes has the size the layout gives it.
    if (const Result<CompPic> comp = ParseCompPic(picture)) {
        const CompPic &pic = comp.value();
        FUZZ_CHECK(pic.digits >= 1 && pic.digits <= MaxCompDigits);
        FUZZ_CHECK(pic.decimals >= 0 && pic.decimals <= pic.digits && (pic.decimals == 0 || pic.hasV));
        const Result<FieldSizeResult> binary = FieldSize(picture, Usage::Binary);
        FUZZ_CHECK(binary && binary.value().bytes == pic.byteCount() && binary.value().message.empty());
        FUZZ_CHECK(kind && kind.value() == PictureClass::Numeric);
        FUZZ_CHECK(limits.integerDigits + limits.decimalDigits == pic.digits && limits.isSigned == pic.isSigned);
    }
    if (const Result<PackedPic> packed = ParsePackedPic(picture)) {
        const PackedPic &pic = packed.value();
        FUZZ_CHECK(pic.declaredDigits >= 1 && pic.declaredDigits <= MaxPackedDigits);
        FUZZ_CHECK(pic.digits % 2 == 1 && pic.digits >= pic.declaredDigits && pic.digits <= pic.declaredDigits + 1);
        FUZZ_CHECK(pic.decimals >= 0 && pic.decimals <= pic.declaredDigits);
        const Result<FieldSizeResult> bytes = FieldSize(picture, Usage::Packed);
        FUZZ_CHECK(bytes && bytes.value().bytes == pic.byteCount() && bytes.value().message.empty());
        FUZZ_CHECK(kind && kind.value() == PictureClass::Numeric);
    }
    return 0;
}
