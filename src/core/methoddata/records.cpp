#include "methoddata/records.h"

LibraryCompound LibraryCompound_init() { return LibraryCompound{}; }
SurrogateRecord SurrogateRecord_init() { return SurrogateRecord{}; }
SurrogatePoint SurrogatePoint_init() { return SurrogatePoint{}; }
GroupFit GroupFit_init() { return GroupFit{}; }
SampleRawData SampleRawData_init() { return SampleRawData{}; }
ReportingLimit ReportingLimit_init() { return ReportingLimit{}; }
PrintCell PrintCell_init() { return PrintCell{}; }
PathSettings PathSettings_init() { return PathSettings{}; }

void reset_library_compound(LibraryCompound& c) {
    c = LibraryCompound{};
    c.MDLwater = c.MDLsoil = c.MDLbiota = c.MDLwaste = 0.0;
    c.casNumber = kNoCasNumber;
}

void reset_surrogate_record(SurrogateRecord& r) { r = SurrogateRecord{}; }

void copy_surrogate_point(SurrogatePoint& t, const SurrogatePoint& s) {
    t.name = s.name;
    t.in_use = s.in_use;
    t.x = s.x;
    t.y = s.y;
    t.measured = s.measured;
    t.rvw = s.rvw;
    t.bp = s.bp;
    t.group = s.group;
    t.record = s.record;
}
