#pragma once

namespace pelorin::history {

// Version 1 of the history's tables. Times are milliseconds since the epoch
// (UTC); positions logical pixels; the code and sources blobs are those of
// code_blob.h; rate_bits is the rate's IEEE 754 bit pattern.
inline constexpr const char* kSchemaV1 = R"sql(
CREATE TABLE run(
  id INTEGER PRIMARY KEY,
  started_ms INTEGER NOT NULL,
  ended_ms INTEGER,
  continues INTEGER REFERENCES run(id) ON DELETE SET NULL
);
CREATE TABLE picture(
  id INTEGER PRIMARY KEY,
  run INTEGER NOT NULL REFERENCES run(id) ON DELETE CASCADE,
  number INTEGER NOT NULL,
  made_ms INTEGER NOT NULL,
  code BLOB NOT NULL,
  how INTEGER NOT NULL,
  rate_bits INTEGER NOT NULL,
  rate_text TEXT NOT NULL,
  file_name TEXT NOT NULL,
  sources BLOB NOT NULL,
  saved_from INTEGER REFERENCES picture(id) ON DELETE SET NULL,
  rate_box TEXT NOT NULL,
  name_box TEXT NOT NULL,
  open INTEGER NOT NULL DEFAULT 1,
  ticked INTEGER NOT NULL DEFAULT 0,
  x INTEGER,
  y INTEGER,
  closed_event INTEGER
);
CREATE INDEX picture_by_run ON picture(run, number);
CREATE INDEX picture_open_by_run ON picture(run, open);
CREATE INDEX picture_by_saved_from ON picture(saved_from) WHERE saved_from IS NOT NULL;
CREATE TABLE parent(
  child INTEGER NOT NULL REFERENCES picture(id) ON DELETE CASCADE,
  position INTEGER NOT NULL,
  number INTEGER NOT NULL,
  picture INTEGER REFERENCES picture(id) ON DELETE SET NULL,
  PRIMARY KEY(child, position)
) WITHOUT ROWID;
CREATE INDEX parent_by_picture ON parent(picture) WHERE picture IS NOT NULL;
CREATE TABLE event(
  id INTEGER PRIMARY KEY,
  picture INTEGER NOT NULL REFERENCES picture(id) ON DELETE CASCADE,
  at_ms INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  x INTEGER,
  y INTEGER,
  path TEXT,
  hash BLOB
);
CREATE INDEX event_by_picture ON event(picture);
CREATE INDEX event_by_hash ON event(hash) WHERE hash IS NOT NULL;
)sql";

// event.kind
enum EventKind { kClosed = 1, kReopened = 2, kMoved = 3, kTicked = 4, kCleared = 5, kSaved = 6, kExported = 7 };

}  // namespace pelorin::history
