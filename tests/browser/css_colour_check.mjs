// Checks Pipetto's CSS texts against programs nobody here wrote: colorjs.io's CSS Color 4
// maths must give the same numbers, correctly rounded, and headless Chromium must paint each
// text as exactly the colour it came from.
// Usage: node css_colour_check.mjs SAMPLE_FILE NAMES_FILE DECIMALS_FILE WORK_FOLDER
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import Color from "colorjs.io";

const [sampleFile, namesFile, decimalsFile, work] = process.argv.slice(2);
// "hsl 1 1 2": each form's decimals, component by component.
const table = Object.fromEntries(
    readFileSync(decimalsFile, "utf8").trim().split("\n").map((line) => {
        const [space, ...decimals] = line.split(" ");
        return [space, decimals.map(Number)];
    }),
);
const lines = readFileSync(sampleFile, "utf8").trim().split("\n");
const names = readFileSync(namesFile, "utf8").trim().split("\n").map((line) => line.split("|"));
const faults = [];
const fault = (text) => {
    if (faults.length < 40) console.error(text);
    faults.push(text);
};

// colorjs's coordinates in the units the texts write: percent for hsl's and hwb's, and
// for Oklab's lightness.
const spaces = ["hsl", "hwb", "lab", "lch", "oklab", "oklch"];
const scale = { oklab: [100, 1, 1], oklch: [100, 1, 1] };
const hueIndex = { hsl: 0, hwb: 0, lch: 2, oklch: 2 };

const samples = lines.map((line) => {
    const [hex, ...rest] = line.split("|");
    return { hex, texts: rest.slice(0, 6), name: rest[6], fine: rest.slice(7, 13) };
});

for (const { hex, texts } of samples) {
    const colour = new Color("#" + hex);
    texts.forEach((text, form) => {
        const space = spaces[form];
        const match = text.match(/^([a-z]+)\((\S+) (\S+) (\S+)\)$/);
        if (!match || match[1] !== space) return fault(`${hex}: ${text} is no ${space}() text`);
        const written = match.slice(2).map((n) => parseFloat(n));
        const coords = colour.to(space).coords;
        const decimals = table[space];
        const grey = hex.slice(0, 2) === hex.slice(2, 4) && hex.slice(2, 4) === hex.slice(4, 6);
        for (let i = 0; i < 3; ++i) {
            let exact = coords[i] * (scale[space]?.[i] ?? 1);
            if (hueIndex[space] === i) {
                // A grey has no hue: Pipetto writes 0. A hue next to 360 is written as 0.
                if (grey) {
                    if (written[i] !== 0) fault(`${hex}: ${text} gives a grey a hue`);
                    continue;
                }
                if (written[i] === 0 && exact > 359) exact -= 360;
            }
            if (Number.isNaN(exact)) exact = 0;
            // The exact value rounded to the form's decimals: at most half a unit of the last
            // one away (trailing zeros are dropped, which changes nothing).
            const bound = 0.5 * 10 ** -decimals[i];
            if (Math.abs(written[i] - exact) > bound * (1 + 1e-6) + 1e-9)
                fault(`${hex}: ${text} component ${i + 1} is ${written[i]}, colorjs.io says ${exact}`);
        }
    });
}

// The nearest name by colorjs.io's Euclidean distance in Oklab, the first entry on a tie.
const named = names.map(([name, code]) => ({ name, colour: new Color(code) }));
for (const { hex, name } of samples.filter((_, i) => i % 8 === 0)) {
    const colour = new Color("#" + hex);
    let best = null;
    let bestDistance = Infinity;
    for (const entry of named) {
        const distance = colour.deltaEOK(entry.colour);
        if (distance < bestDistance) {
            best = entry.name;
            bestDistance = distance;
        }
    }
    if (best !== name) fault(`${hex}: nearest name ${name}, colorjs.io says ${best}`);
}

// Chromium: each text painted as a canvas's fill, one pixel each, and read back; and what
// Chromium makes of it before the paint, as sRGB numbers (relative colour syntax), beside
// what it makes of the same colour written with 6 decimals. Chromium's own Lab and Oklab
// maths are off CSS Color 4's by up to 0.6 of a level on a dark channel, which no text can
// make up for: there a text must land as near as Chromium's own error lets it.
const page = join(work, "paint.html");
const rows = samples.flatMap(({ hex, texts, fine }) => texts.map((text, form) => [hex, form, text, fine[form]]));
writeFileSync(
    page,
    `<!doctype html><meta charset="utf-8"><body><pre id="out"></pre><script>
const rows = ${JSON.stringify(rows)};
const canvas = document.createElement("canvas");
canvas.width = 1; canvas.height = 1;
const context = canvas.getContext("2d", { willReadFrequently: true });
const probe = document.createElement("div");
document.body.appendChild(probe);
const srgb = (text) => {
    probe.style.color = "color(from " + text + " srgb r g b)";
    const m = getComputedStyle(probe).color.match(/^color\\(srgb (\\S+) (\\S+) (\\S+)\\)$/);
    return m ? m.slice(1).map((c) => parseFloat(c) * 255) : null;
};
const out = [];
for (const [hex, form, text, fine] of rows) {
    if (!CSS.supports("color", text)) { out.push("F " + hex + " " + text + " unsupported"); continue; }
    context.fillStyle = "#000000";
    context.fillStyle = text;
    context.clearRect(0, 0, 1, 1);
    context.fillRect(0, 0, 1, 1);
    const [r, g, b, a] = context.getImageData(0, 0, 1, 1).data;
    const painted = [r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("").toUpperCase();
    if (painted === hex && a === 255) continue;
    const level = [0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16));
    const mine = srgb(text), finer = srgb(fine);
    if (!mine || !finer) { out.push("F " + hex + " " + text + " unread"); continue; }
    let worst = 0;
    for (let c = 0; c < 3; ++c)
        worst = Math.max(worst, Math.abs(mine[c] - level[c]) - Math.abs(finer[c] - level[c]));
    out.push((worst <= 0.45 ? "C " : "F ") + form + " " + hex + " " + text + " painted " + painted +
             " (" + mine.map((c) => c.toFixed(3)).join(" ") + "; with 6 decimals " +
             finer.map((c) => c.toFixed(3)).join(" ") + ")");
}
out.push("painted " + rows.length);
document.getElementById("out").textContent = out.join("\\n");
</script>`,
);
const dom = execFileSync(
    "/usr/bin/chromium",
    [
        "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        `--user-data-dir=${join(work, "profile")}`, "--dump-dom", pathToFileURL(page).href,
    ],
    { encoding: "utf8", maxBuffer: 64 << 20, stdio: ["ignore", "pipe", "ignore"], timeout: 90000 },
);
const report = (dom.match(/<pre id="out">([\s\S]*?)<\/pre>/) || [])[1] ?? "";
const reportLines = report.split("\n").filter((line) => line);
if (reportLines.at(-1) !== `painted ${rows.length}`) fault(`Chromium painted nothing: ${dom.slice(0, 300)}`);
// Texts Chromium paints as a neighbouring level by its own error, per form.
const chromiumOff = [0, 0, 0, 0, 0, 0];
for (const line of reportLines.slice(0, -1)) {
    if (line.startsWith("C ")) {
        ++chromiumOff[Number(line.split(" ")[1])];
        // hsl() and hwb() Chromium works out exactly: there every text paints its colour.
        if (Number(line.split(" ")[1]) < 2) fault(`Chromium: ${line}`);
    } else {
        fault(`Chromium: ${line}`);
    }
}
console.log(
    "Chromium paints a neighbouring level by its own maths: " +
        spaces.map((space, form) => `${space} ${chromiumOff[form]}`).join(", "),
);
console.log(`${samples.length} colours, ${rows.length} texts: ${faults.length} faults`);
process.exit(faults.length === 0 ? 0 : 1);
