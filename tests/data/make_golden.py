#!/usr/bin/env python3
"""Builds the golden scene files of this folder, byte by byte, from the
tables of the .vtl format: sections A (view parameters), B (site), C
(computation options), D (face count), E (face array) and F (openings).

The program's own writer is deliberately not used: the tests read these
files, write them back and compare, so the bytes must come from somewhere
else. After an intended change of the format, edit this script, run it and
commit both the script and the files it rewrites:

    python3 tests/data/make_golden.py

Standard library only. Every multi-byte value is little-endian; stored text
is single-byte Windows-1252.
"""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent


# ---------------------------------------------------------------- primitives

def int32(n):
    """int32: 4 bytes, two's complement."""
    return struct.pack('<i', n)


def boolean(b):
    """BOOL: an int32 holding 0 or 1."""
    return int32(1 if b else 0)


def double(d):
    """double: IEEE 754 binary64."""
    return struct.pack('<d', d)


def word(w):
    """word: unsigned 16-bit integer."""
    return struct.pack('<H', w)


def dword(n):
    """4-byte unsigned value (long string lengths, long counts)."""
    return struct.pack('<I', n)


def string(text):
    """Length prefix then the bytes: n < 255 one byte; n < 0xFFFE 0xFF then
    a word; else 0xFF, word 0xFFFF and a 4-byte length."""
    data = text.encode('cp1252') if isinstance(text, str) else bytes(text)
    n = len(data)
    if n < 0xFF:
        prefix = bytes([n])
    elif n < 0xFFFE:
        prefix = b'\xff' + word(n)
    else:
        prefix = b'\xff' + word(0xFFFF) + dword(n)
    return prefix + data


def count(n):
    """count: a word below 0xFFFF, else word 0xFFFF then 4 bytes."""
    return word(n) if n < 0xFFFF else word(0xFFFF) + dword(n)


def point(p):
    """Three doubles X, Y, Z."""
    return b''.join(double(c) for c in p)


class ObjectTags:
    """Object references of the face array. The running index starts at 1
    in each file; a class takes an index when first written, and every
    object takes one."""

    def __init__(self):
        self.next_index = 1
        self.classes = {}

    def tag(self, class_name):
        if class_name not in self.classes:
            # New class: word 0xFFFF, word schema 8, word name length, name.
            name = class_name.encode('ascii')
            out = word(0xFFFF) + word(8) + word(len(name)) + name
            self.classes[class_name] = self.next_index
            self.next_index += 1
        else:
            # Known class: word 0x8000 | class index (indices below 0x7FFF here).
            out = word(0x8000 | self.classes[class_name])
        self.next_index += 1  # the object's own index
        return out


# ---------------------------------------------------------------- sections

VIEW_DEFAULTS = dict(
    title='no title',            # A1 string
    central_trihedron=1,         # A2 BOOL
    informative_trihedron=1,     # A3 BOOL
    north_direction=1,           # A4 BOOL
    textual_elements=1,          # A5 BOOL
    brillance=1,                 # A6 BOOL
    big_nodes=0,                 # A7 BOOL
    coordinates=0,               # A8 BOOL
    study_side=0,                # A9 BOOL
    grid_shown=0,                # A10 BOOL
    grid_signalize=1,            # A11 BOOL
    grid_repetition=10,          # A12 int32
    grid_centre=(0, 0, 0),       # A13-A15 3 doubles
    grid_vector1=(1, 0, 0),      # A16-A18 3 doubles
    grid_vector2=(0, 1, 0),      # A19-A21 3 doubles
    close_sun=1,                 # A22 BOOL
    close_ray=1,                 # A23 BOOL
    sun_distance=10.0,           # A24 double
    sun_target=(0, 0, 0),        # A25-A27 3 doubles
)


def section_a(**changes):
    """A. View parameters: the title string followed by 156 bytes."""
    v = dict(VIEW_DEFAULTS, **changes)
    rest = (boolean(v['central_trihedron']) + boolean(v['informative_trihedron']) +
            boolean(v['north_direction']) + boolean(v['textual_elements']) +
            boolean(v['brillance']) + boolean(v['big_nodes']) +
            boolean(v['coordinates']) + boolean(v['study_side']) +
            boolean(v['grid_shown']) + boolean(v['grid_signalize']) +
            int32(v['grid_repetition']) +
            point(v['grid_centre']) + point(v['grid_vector1']) + point(v['grid_vector2']) +
            boolean(v['close_sun']) + boolean(v['close_ray']) +
            double(v['sun_distance']) + point(v['sun_target']))
    assert len(rest) == 156
    return string(v['title']) + rest


SITE_DEFAULTS = dict(
    place='PARIS',        # B1 string
    latitude=48.9,        # B2 double
    longitude=-2.3,       # B3 double
    ignore_longitude=0,   # B4 BOOL
    north=0.0,            # B5 double
    horizon=0.0,          # B6 double
)


def section_b(**changes):
    """B. Site: the place string followed by 36 bytes."""
    s = dict(SITE_DEFAULTS, **changes)
    rest = (double(s['latitude']) + double(s['longitude']) + boolean(s['ignore_longitude']) +
            double(s['north']) + double(s['horizon']))
    assert len(rest) == 36
    return string(s['place']) + rest


OPTIONS_DEFAULTS = dict(
    cadence=4.0,      # C1 double, Hz
    max_weight=50,    # C2 int32
    year=2003,        # C3 int32
    step_index=6,     # C4 int32, row of "1" ... "30"
    step_minutes=10,  # C5 int32
)


def section_c(**changes):
    """C. Computation options, 24 bytes."""
    o = dict(OPTIONS_DEFAULTS, **changes)
    out = (double(o['cadence']) + int32(o['max_weight']) + int32(o['year']) +
           int32(o['step_index']) + int32(o['step_minutes']))
    assert len(out) == 24
    return out


def section_d(n):
    """D. Face count, int32."""
    return int32(n)


DEFAULT_COUPLES = [(0, 0)] * 5 + [(90, 0)]


def rate_law(mode=0, couples=DEFAULT_COUPLES):
    """E9/E10 or E11/E12: the mode, then six (incidence, rate) couples."""
    assert len(couples) == 6
    return int32(mode) + b''.join(double(i) + double(r) for i, r in couples)


def face_record(points, name='no name', receiver=0, reversed_side=0, hidden=0,
                transmittivity=0.0, absorptivity=100.0, relative_mesh=2.0,
                absolute_mesh=0.04, transmittivity_law=None, absorptivity_law=None):
    """E1 to E13: the name string followed by 340 bytes."""
    assert len(points) == 4  # every kind stores four main points
    rest = (boolean(receiver) + boolean(reversed_side) + boolean(hidden) +   # E2-E4
            double(transmittivity) + double(absorptivity) +                  # E5-E6
            double(relative_mesh) + double(absolute_mesh) +                  # E7-E8
            (transmittivity_law or rate_law()) +                             # E9-E10
            (absorptivity_law or rate_law()) +                               # E11-E12
            b''.join(point(p) for p in points))                              # E13
    assert len(rest) == 340
    return string(name) + rest


def section_e(faces):
    """E. Face array: the count, then each face's object tag and record.
    `faces` is a list of (class name, record bytes)."""
    if not faces:
        return b''
    tags = ObjectTags()
    return count(len(faces)) + b''.join(tags.tag(c) + r for c, r in faces)


def openings_record(indices=(), mode=1, value=0.0, forced_transmittivity=100.0):
    """F1 to F5: mode, value, forced transmittivity, M, then M indices."""
    return (int32(mode) + double(value) + double(forced_transmittivity) +
            int32(len(indices)) + b''.join(int32(i) for i in indices))


def scene(faces=(), openings=None, view=None, site=None, options=None):
    """A whole file: sections A to F in order."""
    faces = list(faces)
    openings = openings if openings is not None else [openings_record() for _ in faces]
    assert len(openings) == len(faces)
    return (section_a(**(view or {})) + section_b(**(site or {})) +
            section_c(**(options or {})) + section_d(len(faces)) +
            section_e(faces) + b''.join(openings))


# ---------------------------------------------------------------- the files

DEFAULT_QUAD = [(0, 0, 0), (2, 0, 0), (2, 0, 2), (0, 0, 2)]

GLASS = [(0, 90), (30, 90), (45, 70), (60, 50), (75, 20), (90, 0)]


def empty():
    """A new document: sections A to D only."""
    return scene()


def one_quad():
    """One default quadrilateral named "no name"."""
    return scene([('CFace4', face_record(DEFAULT_QUAD))])


def tri_quad_tri():
    """Triangle, quadrilateral, triangle (tags 0xFFFF, 0xFFFF, 0x8001), with
    every stored setting away from its default so that a field read into
    the wrong member shows."""
    view = dict(title='Three faces', central_trihedron=0, north_direction=0, brillance=0,
                big_nodes=1, coordinates=1, grid_shown=1, grid_signalize=0,
                grid_repetition=25, grid_centre=(1.5, -2.25, 3.0),
                grid_vector1=(0.5, 0, 0), grid_vector2=(0, 0.75, 0.25), close_sun=0,
                sun_distance=42.5, sun_target=(10, 20, 30))
    site = dict(place='MARSEILLE', latitude=43.3, longitude=-5.4, ignore_longitude=1,
                north=30.0, horizon=5.5)
    options = dict(cadence=2.5, max_weight=120, year=2010, step_index=9, step_minutes=20)
    faces = [
        ('CFace3', face_record([(0, 0, 0), (4, 0, 0), (2, 0, 3), (7.25, -8.5, 9.75)],
                               name='gable', receiver=1, absorptivity=80.0,
                               relative_mesh=5.0, absolute_mesh=0.1,
                               absorptivity_law=rate_law(1))),
        ('CFace4', face_record([(0, 0, 0), (10, 0, 0), (10, 0, 6), (0, 0, 6)],
                               name='south wall', reversed_side=1, hidden=1,
                               transmittivity=30.0, transmittivity_law=rate_law(2, GLASS))),
        ('CFace3', face_record([(0, 0, 0), (1, 0, 0), (0, 1, 0), (-1, -2, -3)],
                               name='flat triangle')),
    ]
    openings = [openings_record(),
                openings_record(mode=0),
                openings_record(mode=2, value=1.25, forced_transmittivity=60.0)]
    return scene(faces, openings, view, site, options)


def openings():
    """A wall with two openings (a sector and a quarter ellipse) that is
    itself an opening of the facade; the quarter ellipse is an opening of
    both, and the facade lists its openings out of list order."""
    faces = [
        ('CFace4', face_record([(0, 0, 0), (12, 0, 0), (12, 0, 8), (0, 0, 8)],
                               name='facade', receiver=1)),
        ('CFace4', face_record([(1, 0, 0), (5, 0, 0), (5, 0, 4), (1, 0, 4)],
                               name='door frame', receiver=1)),
        ('CFace5', face_record([(2, 0, 1), (4, 0, 1), (2, 0, 3), (0, 0, 0)],
                               name='fanlight', transmittivity=85.0)),
        ('CFace6', face_record([(3, 0, 2), (4, 0, 2), (3, 0, 2.5), (0, 0, 0)],
                               name='oval window', transmittivity=85.0)),
    ]
    records = [openings_record([3, 1]),
               openings_record([2, 3], mode=2, value=3.5),
               openings_record(),
               openings_record()]
    return scene(faces, records, view=dict(title='Openings'))


def long_title():
    """A title of 300 characters: 0xFF then a word prefix."""
    title = ('A very long title for a study of the sun on the faces of a building. ' * 5)[:300]
    assert len(title) == 300
    return scene([('CFace6', face_record([(0, 0, 0), (2, 0, 0), (0, 0, 1), (0, 0, 0)]))],
                 view=dict(title=title))


def windows_1252():
    """Names and title with characters above 0x7F, one byte each."""
    faces = [('CFace4', face_record(DEFAULT_QUAD, name='fenêtre été')),
             ('CFace3', face_record([(0, 0, 0), (2, 0, 0), (1, 0, 2), (0, 0, 0)],
                                    name='prix 100 €'))]
    return scene(faces, view=dict(title='Façade – étude'),
                 site=dict(place='Particular place', latitude=-33.9, longitude=-18.4))


FILES = {
    'empty.vtl': empty,
    'one_quad.vtl': one_quad,
    'tri_quad_tri.vtl': tri_quad_tri,
    'openings.vtl': openings,
    'long_title.vtl': long_title,
    'windows_1252.vtl': windows_1252,
}


def main():
    for name, build in FILES.items():
        data = build()
        (HERE / name).write_bytes(data)
        print(f'{name}: {len(data)} bytes')


if __name__ == '__main__':
    main()
