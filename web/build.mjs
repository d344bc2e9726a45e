// Builds the page into dist/: the core as WebAssembly (Debian's em++), the
// TypeScript (esbuild), the synthesizer's worklet files, the SoundFont cut
// down to the piano, the service worker's list of files.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { availableParallelism } from 'node:os';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';
import { subsetSoundFont } from './sf2-subset.mjs';
import { convertCatalogues } from './i18n-build.mjs';

const web = dirname(fileURLToPath(import.meta.url));
const root = dirname(web);
const dist = join(web, 'dist');
const soundFont = process.env.SONORIX_SOUNDFONT || '/usr/share/sounds/sf2/TimGM6mb.sf2';

function newer(target, sources) {
  if (!existsSync(target)) return true;
  const t = statSync(target).mtimeMs;
  return sources.some((s) => statSync(s).mtimeMs > t);
}

// The core as CMake lists its sources, with the page's bindings (web/CMakeLists.txt),
// built by emscripten into web/build-core/: again only what changed.
const emEnv = {
  ...process.env,
  // Debian's emscripten finds its JavaScript tools' modules there.
  NODE_PATH: ['/usr/share/nodejs', process.env.NODE_PATH].filter(Boolean).join(':'),
};

function hasCcache() {
  try {
    execFileSync('ccache', ['--version'], { stdio: 'ignore' });
    return true;
  } catch {
    return false;
  }
}

function buildCore() {
  const build = join(web, 'build-core');
  if (!existsSync(join(build, 'build.ninja'))) {
    const launcher = hasCcache() ? ['-DCMAKE_CXX_COMPILER_LAUNCHER=ccache', '-DCMAKE_C_COMPILER_LAUNCHER=ccache'] : [];
    execFileSync('emcmake', ['cmake', '-S', web, '-B', build, '-G', 'Ninja', ...launcher], { stdio: ['ignore', 'ignore', 'inherit'], env: emEnv });
  }
  execFileSync('cmake', ['--build', build, '--target', 'sonorix-core', 'sonorix-sing', '-j', String(availableParallelism())], { stdio: 'inherit', env: emEnv });
  for (const f of ['sonorix-core.js', 'sonorix-core.wasm', 'sonorix-sing.js', 'sonorix-sing.wasm']) {
    const from = join(build, 'out', f);
    if (newer(join(dist, f), [from])) copy(from, join(dist, f));
  }
}

// The desktop's catalogues and the page's own, one JSON file per language.
function writeLanguages() {
  mkdirSync(join(dist, 'i18n'), { recursive: true });
  const codes = new Set(['en']);
  for (const dir of [join(root, 'translations'), join(web, 'translations')])
    for (const f of readdirSync(dir)) if (/_[a-z]{2}\.ts$/.test(f)) codes.add(f.slice(-5, -3));
  for (const code of codes) {
    const paths = [join(root, 'translations', `sonorix_${code}.ts`), join(web, 'translations', `sonorix-web_${code}.ts`)].filter(existsSync);
    writeFileSync(join(dist, 'i18n', `${code}.json`), JSON.stringify(convertCatalogues(paths).messages));
  }
}

function copy(from, to) {
  mkdirSync(dirname(to), { recursive: true });
  copyFileSync(from, to);
}

async function main() {
  mkdirSync(dist, { recursive: true });
  buildCore();
  const synth = join(web, 'node_modules', 'js-synthesizer');
  copy(join(synth, 'externals', 'libfluidsynth-2.4.6.js'), join(dist, 'libfluidsynth.js'));
  copy(join(synth, 'dist', 'js-synthesizer.worklet.min.js'), join(dist, 'js-synthesizer.worklet.min.js'));
  copy(join(synth, 'externals', 'LICENSE.fluidsynth.txt'), join(dist, 'licenses', 'LGPL-2.1-fluidsynth.txt'));
  copy(join(synth, 'LICENSE'), join(dist, 'licenses', 'BSD-3-js-synthesizer.txt'));
  copy('/usr/share/common-licenses/GPL-2', join(dist, 'licenses', 'GPL-2-TimGM6mb.txt'));
  copy(join(root, 'COPYING'), join(dist, 'licenses', 'GPL-3-Sonorix.txt'));
  for (const f of readdirSync(join(root, 'data')).filter((n) => /^readme(\.[a-z]{2})?\.txt$/.test(n))) copy(join(root, 'data', f), join(dist, f));
  writeLanguages();
  copy(join(root, 'data', 'ftclass.dat'), join(dist, 'ftclass.dat'));
  copy(join(root, 'desktop', 'icons', 'org.sonorix.sonorix.svg'), join(dist, 'icon.svg'));
  // The sizes an installed web app asks for (home screen, splash screen).
  for (const size of [192, 256, 512]) copy(join(root, 'desktop', 'icons', `org.sonorix.sonorix-${size}.png`), join(dist, `icon-${size}.png`));
  // The licences of what the page serves, behind the about box's link.
  const licences = readdirSync(join(dist, 'licenses')).filter((f) => f.endsWith('.txt')).sort();
  writeFileSync(join(dist, 'licenses', 'index.html'),
    '<!doctype html><html lang="en"><meta charset="utf-8"><meta name="viewport" content="width=device-width">' +
    '<title>Sonorix: licences</title><h1>Licences</h1><p>Sonorix is GPL-3 (or later). In the browser it serves, ' +
    'as separate works beside it: FluidSynth (LGPL-2.1) through js-synthesizer (BSD-3), and the TimGM6mb ' +
    'SoundFont (GPL-2), cut down to its piano; the whole SoundFont, its source, is Debian\'s timgm6mb-soundfont.</p><ul>' +
    licences.map((f) => `<li><a href="${f}">${f}</a></li>`).join('') + '</ul></html>\n');
  for (const f of readdirSync(join(web, 'static'))) copy(join(web, 'static', f), join(dist, f));
  copy(join(web, 'node_modules', 'uplot', 'dist', 'uPlot.min.css'), join(dist, 'uplot.css'));

  const sf = join(dist, 'sonorix.sf2');
  if (newer(sf, [soundFont, join(web, 'sf2-subset.mjs')])) writeFileSync(sf, subsetSoundFont(readFileSync(soundFont), [[0, 0]]));

  const common = { bundle: true, minify: true, sourcemap: false, target: ['chrome100', 'firefox100', 'safari15'], logLevel: 'warning' };
  // Views not needed for the first question (the charts, the archive) in chunks of
  // their own; a change names them anew, so the old ones go first.
  rmSync(join(dist, 'chunks'), { recursive: true, force: true });
  const app = await esbuild.build({
    // notice.js runs before every chunk of app.js, so that a chunk failing as
    // it loads is still said on the page.
    ...common, entryPoints: { notice: join(web, 'src', 'notice.ts'), app: join(web, 'src', 'main.ts') }, outdir: dist, format: 'esm', splitting: true,
    chunkNames: 'chunks/[name]-[hash]', metafile: true, absWorkingDir: web,
  });
  // The chunks app.js imports at once are asked for with it, not after it is read.
  const eager = app.metafile.outputs['dist/app.js'].imports
    .filter((i) => i.kind === 'import-statement')
    .map((i) => `<link rel="modulepreload" href="${relative(dist, join(web, i.path))}">`);
  const html = join(dist, 'index.html');
  writeFileSync(html, readFileSync(html, 'utf8').replace('<link rel="modulepreload" href="sonorix-core.js">', (core) => [...eager, core].join('\n')));
  await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'synth-worklet.ts')], outfile: join(dist, 'synth-worklet.js'), format: 'iife' });
  // The class's requests, sent off the page's thread.
  await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'http-worker.ts')], outfile: join(dist, 'http-worker.js'), format: 'iife' });
  // The microphone's worklet, added when the sing mode listens.
  await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'sing-worklet.ts')], outfile: join(dist, 'sing-worklet.js'), format: 'iife' });
  await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'worklet-base64.ts')], outfile: join(dist, 'worklet-base64.js'), format: 'iife' });
  // The notation library, loaded when the page first draws a staff.
  await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'staff-lib.ts')], outfile: join(dist, 'staff-lib.js'), format: 'esm' });

  // The service worker caches every file under a name that changes with any of them.
  const files = [];
  (function walk(d, prefix) {
    for (const name of readdirSync(d).sort()) {
      const p = join(d, name);
      if (statSync(p).isDirectory()) walk(p, `${prefix}${name}/`);
      else if (name !== 'sw.js') files.push(`${prefix}${name}`);
    }
  })(dist, '');
  const hash = createHash('sha256');
  for (const f of files) hash.update(f).update(readFileSync(join(dist, f)));
  await esbuild.build({
    ...common, entryPoints: [join(web, 'src', 'sw.ts')], outfile: join(dist, 'sw.js'), format: 'iife',
    define: { SONORIX_FILES: JSON.stringify(['./', ...files]), SONORIX_VERSION: JSON.stringify(hash.digest('hex').slice(0, 12)) },
  });
  console.log(`built ${dist}`);
}

if (process.argv.includes('--clean')) rmSync(dist, { recursive: true, force: true });
await main();
