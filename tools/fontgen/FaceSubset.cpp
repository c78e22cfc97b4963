// SPDX-License-Identifier: MIT
#include "FaceSubset.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fontgen {

namespace {

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* p) const { Free(p); }
};
using Blob = std::unique_ptr<hb_blob_t, Deleter<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, Deleter<hb_face_t, hb_face_destroy>>;
using Input = std::unique_ptr<hb_subset_input_t, Deleter<hb_subset_input_t, hb_subset_input_destroy>>;

std::string bytes(hb_blob_t* blob)
{
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    return std::string(data, length);
}

std::string nameOf(hb_face_t* face, hb_ot_name_id_t id)
{
    unsigned size = 0;
    const hb_language_t english = hb_language_from_string("en", -1);
    size = hb_ot_name_get_utf8(face, id, english, &size, nullptr) + 1;
    std::string text(size, '\0');
    hb_ot_name_get_utf8(face, id, english, &size, text.data());
    text.resize(size);
    return text;
}

}  // namespace

FaceNames faceNames(const FaceRecipe& r, std::string copyright, std::string licence, std::string licenceUrl)
{
    return {r.family,           r.bold ? "Bold" : "Regular", "Version 1.0", std::move(copyright),
            std::move(licence), std::move(licenceUrl),       r.description};
}

std::string subsetFace(const FaceRecipe& r, const std::set<char32_t>& characters)
{
    const Blob file(hb_blob_create_from_file_or_fail(r.source.string().c_str()));
    if (!file)
        throw std::runtime_error(r.source.empty() ? r.sourceName + " is not installed (Debian: " + r.packages + ")"
                                                  : "cannot read " + r.source.string());
    const Face source(hb_face_create(file.get(), r.index));
    if (hb_face_get_glyph_count(source.get()) == 0)
        throw std::runtime_error(r.source.string() + " has no face " + std::to_string(r.index));

    const Input input(hb_subset_input_create_or_fail());
    hb_set_t* unicodes = hb_subset_input_unicode_set(input.get());
    for (char32_t c : characters)
        hb_set_add(unicodes, c);
    const Face subset(hb_subset_or_fail(source.get(), input.get()));
    if (!subset)
        throw std::runtime_error("HarfBuzz could not subset " + r.source.string());
    // Read back as a plain font file, whose tables can be listed.
    const Blob subsetBytes(hb_face_reference_blob(subset.get()));
    const Face plain(hb_face_create(subsetBytes.get(), 0));

    const FaceNames names =
        faceNames(r, nameOf(source.get(), HB_OT_NAME_ID_COPYRIGHT), nameOf(source.get(), HB_OT_NAME_ID_LICENSE),
                  nameOf(source.get(), HB_OT_NAME_ID_LICENSE_URL));
    const double em = hb_face_get_upem(source.get());
    const auto units = [em](int perMille) { return static_cast<int>(std::lround(perMille * em / 1000.0)); };
    const VerticalMetrics metrics{units(r.perMille.ascent), units(r.perMille.descent), units(r.perMille.lineGap)};

    std::vector<hb_tag_t> tags(hb_face_get_table_tags(plain.get(), 0, nullptr, nullptr));
    unsigned count = static_cast<unsigned>(tags.size());
    hb_face_get_table_tags(plain.get(), 0, &count, tags.data());
    std::map<std::uint32_t, std::string> tables;
    for (hb_tag_t tag : tags) {
        const Blob table(hb_face_reference_table(plain.get(), tag));
        tables[tag] = bytes(table.get());
    }
    const hb_tag_t hhea = HB_TAG('h', 'h', 'e', 'a'), os2 = HB_TAG('O', 'S', '/', '2'), head = HB_TAG('h', 'e', 'a', 'd');
    if (!tables.count(hhea) || !tables.count(os2) || !tables.count(head))
        throw std::runtime_error(r.source.string() + " lacks hhea, OS/2 or head");
    tables[HB_TAG('n', 'a', 'm', 'e')] = nameTable(names);
    setVerticalMetrics(tables[hhea], tables[os2], metrics);
    setBold(tables[head], tables[os2], r.bold);

    return fontFile(tables);
}

}  // namespace fontgen
