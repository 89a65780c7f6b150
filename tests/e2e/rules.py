"""The game's rules that the end-to-end player needs to know what to expect:
the random draw, the car colour catalogue, the mixing rule, the batch built
from an accepted recipe and the vessel's fill level. Worked out from the
game's rules, not taken from its code."""

import math

# The shelf: code and (red, green, blue) of each base colour, in table order.
BASE = [
    ("712", (255, 255, 0)), ("718", (255, 255, 100)), ("723", (230, 255, 0)), ("731", (255, 175, 0)),
    ("744", (255, 0, 0)), ("749", (255, 75, 0)), ("756", (255, 0, 150)), ("762", (255, 150, 150)),
    ("775", (150, 255, 0)), ("781", (0, 255, 0)), ("787", (0, 255, 150)), ("793", (0, 150, 255)),
    ("804", (0, 0, 255)), ("808", (150, 0, 255)), ("815", (0, 0, 0)), ("019", (255, 255, 255)),
]
INDEX = {code: i for i, (code, _) in enumerate(BASE)}

COSTS = {"lab dose": 100, "colour check": 200, "hand in": 1000, "manager": 500,
         "production dose": 700, "overflow": 5000, "delivery": 2000}


class Draw:
    """The one random draw: a 64-bit linear congruential generator."""

    def __init__(self, seed):
        self.state = (seed * 22695477 + 1) & 0xFFFFFFFF

    def __call__(self, n):
        if n <= 0:
            return 0
        self.state = (self.state * 1486058704437 + 1) & 0xFFFFFFFFFFFFFFFF
        return ((self.state >> 32) & 0x7FFFFFFF) % n


def catalogue(count=50):
    """The car colours as every run draws them (seeded with 1 at start-up):
    a list of (recipe [(shelf index, amount)], (red, green, blue))."""
    draw = Draw(1)
    shades = []
    for _ in range(count):
        n = draw(6)
        while n < 3:
            n = draw(6)
        recipe, total = [], 0.0
        for _ in range(n):
            index = draw(16)
            while index in [i for i, _ in recipe]:
                index = draw(16)
            amount = float(draw(100))
            recipe.append((index, amount))
            total += amount
        rgb = [0, 0, 0]
        for index, amount in recipe:
            for c in range(3):
                rgb[c] = int(rgb[c] + BASE[index][1][c] * amount / total)
        shades.append((recipe, tuple(rgb)))
    return shades


def mix(amounts):
    """The mixture of amounts {shelf index: amount}: the amount-weighted
    average in integers, truncated as the shelf does."""
    total, rgb = 0, [0, 0, 0]
    for index in range(16):
        amount = amounts.get(index, 0.0)
        total = int(total + amount)
        for c in range(3):
            rgb[c] = int(rgb[c] + BASE[index][1][c] * amount)
    if total == 0:
        total = 100
    return tuple(int(v / total) for v in rgb)


def delta_e(a, b):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a, b)))


def batch(recipe):
    """The production batch made from a laboratory recipe {index: amount}:
    shares of 10000 units, shares under 1 % left out, the largest (the first
    of equal ones in table order) cut to 60 %. Returns ({index: units}, main index)."""
    rows = [(i, a) for i, a in sorted(recipe.items()) if a > 0]
    total = sum(a for _, a in rows) or 1
    units, main, largest = {}, None, -99
    for index, amount in rows:
        u = amount / total * 100 * 100
        if u < 100:
            u = 0.0
        units[index] = u
        if u > largest:
            largest, main = u, index
    if main is not None:
        units[main] = float(int(largest * 0.6))
    return units, main


def vessel_row(units):
    """The fill line's pixel row in the vessel; 0 or less overflows."""
    return int(130 - sum(units.values()) * (1 / 12000) * 130)
