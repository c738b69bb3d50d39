#include "event_record.h"

std::string encodeEventRecord(const EventRecord& record) {
    return record.control + '\t' + record.event + '\t' + record.focus + '\t' + record.state;
}

EventRecord decodeEventRecord(std::string_view bytes) {
    std::string fields[4];
    std::size_t field = 0;
    for (char c : bytes) {
        if (c == '\t' && field < 3) {
            ++field;
        } else {
            fields[field] += c;
        }
    }
    return {fields[0], fields[1], fields[2], fields[3]};
}
