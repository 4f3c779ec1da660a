#!/usr/bin/env node
// Converts the U.S. Census Bureau's state boundaries, as the npm package us-atlas ships them
// (states-10m.json, TopoJSON, unprojected), into resources/StateOutlines.txt: the borders of
// the 48 contiguous states, each shared border once, simplified for a phone-sized map.
// Run once, by hand; the build never needs npm:
//   (cd /tmp/atlas && npm install us-atlas@3.0.1)
//   node scripts/convert-state-outlines.js /tmp/atlas/node_modules/us-atlas/states-10m.json \
//       > resources/StateOutlines.txt
'use strict';
const fs = require('fs');

const TOLERANCE = 0.04; // degrees: about 4 km, under a pixel at the zoom that shows the route
const OUTSIDE = new Set(['02', '15', '60', '66', '69', '72', '78']); // AK, HI and the territories

const topology = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const [sx, sy] = topology.transform.scale;
const [tx, ty] = topology.transform.translate;

// Quantized, delta-encoded arcs to [longitude, latitude] points.
const arcs = topology.arcs.map(arc => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => { x += dx; y += dy; return [x * sx + tx, y * sy + ty]; });
});

// Every arc a contiguous state's outline uses, once (a border between two states is one arc).
const used = new Set();
const visit = rings => rings.forEach(ring => ring.forEach(i => used.add(i < 0 ? ~i : i)));
for (const state of topology.objects.states.geometries) {
    if (OUTSIDE.has(state.id))
        continue;
    if (state.type === 'Polygon')
        visit(state.arcs);
    else if (state.type === 'MultiPolygon')
        state.arcs.forEach(visit);
}

// Douglas-Peucker in degrees.
function simplify(points) {
    if (points.length < 3)
        return points;
    const keep = new Array(points.length).fill(false);
    keep[0] = keep[points.length - 1] = true;
    const stack = [[0, points.length - 1]];
    while (stack.length) {
        const [first, last] = stack.pop();
        const [ax, ay] = points[first], [bx, by] = points[last];
        const length = Math.hypot(bx - ax, by - ay);
        let farthest = -1, distance = TOLERANCE;
        for (let i = first + 1; i < last; ++i) {
            const [px, py] = points[i];
            const d = length === 0 ? Math.hypot(px - ax, py - ay)
                                   : Math.abs((bx - ax) * (ay - py) - (ax - px) * (by - ay)) / length;
            if (d > distance) { distance = d; farthest = i; }
        }
        if (farthest >= 0) {
            keep[farthest] = true;
            stack.push([first, farthest], [farthest, last]);
        }
    }
    return points.filter((_, i) => keep[i]);
}

const lines = [];
for (const index of [...used].sort((a, b) => a - b)) {
    const points = simplify(arcs[index]).map(([lon, lat]) => `${lat.toFixed(2)},${lon.toFixed(2)}`);
    // Drop points that rounding made equal to the one before.
    const distinct = points.filter((p, i) => i === 0 || p !== points[i - 1]);
    if (distinct.length > 1)
        lines.push(distinct.join(' '));
}

process.stdout.write(
    '# Borders of the 48 contiguous United States, one polyline a line: latitude,longitude\n' +
    '# pairs in degrees, separated by blanks.\n' +
    '# Source: U.S. Census Bureau, cartographic boundary files 2017 (1:10,000,000), public\n' +
    '# domain, as TopoJSON in the npm package us-atlas 3.0.1 (states-10m.json, ISC licence,\n' +
    '# Michael Bostock). Simplified to ' + TOLERANCE + ' degrees and rounded to 0.01 degree by\n' +
    '# scripts/convert-state-outlines.js.\n' +
    lines.join('\n') + '\n');
