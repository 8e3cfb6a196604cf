#include "core/country_display.h"

#include "core/bearing.h"
#include "core/prefix_lookup.h"

namespace topband {

void setBearing(CountryFields& fields, const Preferences& own, float latitude, float longitude) {
    if (keepsBearingLabels(fields.country)) return;
    BearingLabels labels = bearingLabels(own.OwnLatitude, own.OwnLongitude, latitude, longitude);
    fields.bearing = std::move(labels.bearing);
    fields.miles = std::move(labels.miles);
}

CountryFields countryFieldsFor(const PrefixTable& table, const Preferences& own, std::string_view call,
                               const CountryFields& shown) {
    const CountryLookup found = lookupCountry(table, call);
    switch (found.outcome) {
        case LookupOutcome::Unchanged: return shown;
        case LookupOutcome::NotFound: return {kNotFound, {}, {}, {}};
        case LookupOutcome::NoCountry: return {};
        case LookupOutcome::Found: break;
    }
    CountryFields fields = shown;
    fields.country = found.country;
    fields.continent = found.continent;
    setBearing(fields, own, found.latitude, found.longitude);
    return fields;
}

}  // namespace topband
