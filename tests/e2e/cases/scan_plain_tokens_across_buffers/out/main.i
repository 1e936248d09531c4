/* main.c 1: */
/* main.c 2: */L"ws"<<=|| +=[ 
/* main.c 3: */~ 
/* main.c 4: */-+= ] == %L'w'; , ->}
/* main.c 5: */
/* main.c 6: */xM :: 'c'defined 12 <<=    defined 
/* main.c 7: */
/* main.c 8: */w<<="s" 
/* main.c 9: */abM &&
/* main.c 10: */y-> L'w'
/* main.c 11: */
/* main.c 12: */
/* main.c 13: */ab 
/* main.c 14: */x --[!= 
/* main.c 15: */
/* main.c 16: */q
/* main.c 17: */
/* main.c 18: */
/* main.c 19: */
/* main.c 20: */&
/* main.c 21: */ &
/* main.c 22: */+=
/* main.c 23: */^= ^= ? ; alpha_beta_gamma_delta "s"Lname    ->
/* main.c 24: */defined:: ^=-
/* main.c 25: */ ><<=
/* main.c 26: */<-
/* main.c 27: */ >--
/* main.c 28: */xL 'w' ::>|}-
/* main.c 29: */ > int 'c'&&>( ]29, ? 
/* main.c 30: */
/* main.c 31: */q
/* main.c 32: */
/* main.c 33: */int&,
/* main.c 34: */
/* main.c 35: */abab-
/* main.c 36: */ > :: { 
/* main.c 37: */
/* main.c 38: */zalpha_beta_gamma_deltaab>>-{)38 >>(int 
/* main.c 39: */x%
/* main.c 40: */
/* main.c 41: */yab != ::==,[ [ ~L"ws"   +=
/* main.c 42: */+=  !=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;^= 
/* main.c 43: */y-L"ws"
/* main.c 44: */z::+= & ||int->{
/* main.c 45: */
/* main.c 46: */
/* main.c 47: */z:>{==<<=
/* main.c 48: */'c'^=-
/* main.c 49: */ >  ==]|| 
/* main.c 50: */
/* main.c 51: */w ] 
/* main.c 52: */{ &&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 MLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0x1F -> ?:: * ; !=>
/* main.c 53: */
/* main.c 54: */q
/* main.c 55: */
/* main.c 56: */&& ;<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ] -defined  *L~| ; L'w'} ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not ,:::
/* main.c 57: */L'w'? ==
/* main.c 58: */ab!= <+= 
/* main.c 59: */12  0x1F  ; 
/* main.c 60: */
/* main.c 61: */-
/* main.c 62: */ >L"ws" L'w' ; 
/* main.c 63: */&{ alpha_beta_gamma_delta && L 'c' ? ^=
/* main.c 64: */
/* main.c 65: */q
/* main.c 66: */
/* main.c 67: */% 
/* main.c 68: */ ==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? L -
/* main.c 69: */ >
/* main.c 70: */Lname:alpha_beta_gamma_delta->&&->
/* main.c 71: */y <<=~} 1
/* main.c 72: */12 { % 'c'== +=||
/* main.c 73: */
/* main.c 74: */w  12 
/* main.c 75: */x{ >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=
/* main.c 76: */
/* main.c 77: */} && >!=&-
/* main.c 78: */ > 
/* main.c 79: */
/* main.c 80: */w | 
/* main.c 81: */
/* main.c 82: */w  %
/* main.c 83: */83 defined-{ 0x1F  -> <<= 
/* main.c 84: */Lname Lname 12 ^= *"s" 
/* main.c 85: */}Lname	== 12 !=    'c' >~  | 
/* main.c 86: */
/* main.c 87: */q
/* main.c 88: */
/* main.c 89: */
/* main.c 90: */
/* main.c 91: */
/* main.c 92: */
/* main.c 93: */, ) &&  {	 } defined
/* main.c 94: */
/* main.c 95: */q
/* main.c 96: */
/* main.c 97: */-
/* main.c 98: */ > [ : 
/* main.c 99: */
/* main.c 100: */L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 101: */
/* main.c 102: */y
/* main.c 103: */
/* main.c 104: */w 
/* main.c 105: */x:] ::1 L != _asm_not 'c'<
/* main.c 106: */-- 'c', ]alpha_beta_gamma_delta 'c'&:~intL 'w' ,   ? _asm_not     0x1F -> { , ]  0x1F  
/* main.c 107: */
/* main.c 108: */q
/* main.c 109: */
/* main.c 110: */]+=%Lname %+= 
/* main.c 111: */
/* main.c 112: */"s">>112 
/* main.c 113: */x 
/* main.c 114: */114:: &   -} L'w'
/* main.c 115: */
/* main.c 116: */y 
/* main.c 117: */
/* main.c 118: */-
/* main.c 119: */ >
/* main.c 120: */y 	   _asm_not+= ->defined __LINE__L "s"'c' -> ? 
/* main.c 121: */x
/* main.c 122: */!=; 'c'^=L"ws"1 >>:_asm_notL "ws" 
/* main.c 123: */<<= >>   
/* main.c 124: */
/* main.c 125: */ ==~- 0x1F  * > : ~ ,  :?||_asm_not 
/* main.c 126: */y?  0x1F  Lname ,)>alpha_beta_gamma_delta 
/* main.c 127: */ab  L < }L"ws" L'w' _asm_not
/* main.c 128: */z ||^=&&	L'w'Lname 
/* main.c 129: */+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 130: */ >}
/* main.c 131: */
/* main.c 132: */&&-
/* main.c 133: */ >| Lname (  12  (:: { L
/* main.c 134: */z  |]{;L | - , _asm_notL "ws" ML 'w'L'w'
/* main.c 135: */
/* main.c 136: */alpha_beta_gamma_delta
/* main.c 137: */
/* main.c 138: */w
/* main.c 139: */
/* main.c 140: */1
/* main.c 141: */y-> 
/* main.c 142: */
/* main.c 143: */L != "s">> 
/* main.c 144: */ == ->-- 
/* main.c 145: */
/* main.c 146: */w (] 
/* main.c 147: */ab< &1 
/* main.c 148: */z >~ _asm_not   &
/* main.c 149: */> Lname-
/* main.c 150: */ >
/* main.c 151: */
/* main.c 152: */::  -
/* main.c 153: */ >  >>)Lname < "s"_asm_not  0x1F 
/* main.c 154: */-
/* main.c 155: */ >!=L alpha_beta_gamma_delta 'c' 
/* main.c 156: */+=	== 
/* main.c 157: */y x:
/* main.c 158: */
/* main.c 159: */%*>+=
/* main.c 160: */ab
/* main.c 161: */
/* main.c 162: */
/* main.c 163: */q
/* main.c 164: */
/* main.c 165: */alpha_beta_gamma_delta int~ :: { {  )-> Lname
/* main.c 166: */zalpha_beta_gamma_delta 
/* main.c 167: */
/* main.c 168: */x 
/* main.c 169: */
/* main.c 170: */:: _asm_not >*
/* main.c 171: */> [ x ~{L"ws"  ~ 
/* main.c 172: */yalpha_beta_gamma_delta
/* main.c 173: */?L'w'<<=( int | %int LL -
/* main.c 174: */ > -> } _asm_not && 12 != } definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  12  
/* main.c 175: */yintint|| Lname[&& 12  alpha_beta_gamma_delta 12 Lname 
/* main.c 176: */
/* main.c 177: */w ;
/* main.c 178: */ab>| [?-->>::
/* main.c 179: */+= &&int 'c' ( ?!=_asm_not L"ws"
/* main.c 180: */
/* main.c 181: */L"ws" 
/* main.c 182: */<!= ~* ^=:
/* main.c 183: */ab L"ws">:: :: ^='c'
/* main.c 184: */:::: x 
/* main.c 185: */0x1F %   :
/* main.c 186: */?-"s" ||:| 
/* main.c 187: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	;L"ws":: [ {||1
/* main.c 188: */y	1 ; -
/* main.c 189: */+=<    <<=  
/* main.c 190: */+=::  ]( ->,]% 	 0x1F !=
/* main.c 191: */y ? 
/* main.c 192: */
/* main.c 193: */
/* main.c 194: */z & 'c' 
/* main.c 195: */
/* main.c 196: */w>>-
/* main.c 197: */ > 'c'+= L"ws"==
/* main.c 198: */abx} 0x1F  ||? 
/* main.c 199: */
/* main.c 200: */^=  (&&'c' [
/* main.c 201: */-->==+=%:alpha_beta_gamma_delta L"ws"
/* main.c 202: */
/* main.c 203: */q
/* main.c 204: */
/* main.c 205: */
/* main.c 206: */x   <<= -
/* main.c 207: */ >int L__LINE__||
/* main.c 208: */
/* main.c 209: */w%   defined -
/* main.c 210: */ > } definedLname 0x1F  
/* main.c 211: */
/* main.c 212: */q
/* main.c 213: */
/* main.c 214: */*
/* main.c 215: */ab
/* main.c 216: */
/* main.c 217: */q
/* main.c 218: */
/* main.c 219: */219 'c' &&L  Lname :: ,
/* main.c 220: */y+=
/* main.c 221: */>> 1) ;  x ==>;"s" LnameL   x^=	>>[xx-&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :;-
/* main.c 222: */ >%>> 
/* main.c 223: */
/* main.c 224: */q
/* main.c 225: */
/* main.c 226: */<Lnamex >> L'w'(
/* main.c 227: */
/* main.c 228: */w "s" 
/* main.c 229: */( -- |  
/* main.c 230: */
/* main.c 231: */231 +=__LINE__xL 'w': 
/* main.c 232: */? 12 L"ws" 
/* main.c 233: */L %% 
/* main.c 234: */
/* main.c 235: */q
/* main.c 236: */
/* main.c 237: */>>
/* main.c 238: */
/* main.c 239: */w{? +=
/* main.c 240: */x<xM
/* main.c 241: */+=? >L"ws"{ ,  0x1F  
/* main.c 242: */+=^= 
/* main.c 243: */
/* main.c 244: */q
/* main.c 245: */
/* main.c 246: */:: 
/* main.c 247: */x^= int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }
/* main.c 248: */
/* main.c 249: */w[ &
/* main.c 250: */
/* main.c 251: */!= _asm_not ; int 1->&& ? | ~] <+=intLname 
/* main.c 252: */z % alpha_beta_gamma_delta 'c'
/* main.c 253: */:: - 
/* main.c 254: */~x,|] ==||<<=defined ?-
/* main.c 255: */ > ];%^= 	 int  0x1F  ( :: 
/* main.c 256: */z +=[ 12  {
/* main.c 257: */~||   += 0x1F  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined
/* main.c 258: */12  
/* main.c 259: */; ;?{&&
/* main.c 260: */
/* main.c 261: */q
/* main.c 262: */
/* main.c 263: */) ,{ 	+=
/* main.c 264: */ab 
/* main.c 265: */
/* main.c 266: */q
/* main.c 267: */
/* main.c 268: */
/* main.c 269: */z * -
/* main.c 270: */ > alpha_beta_gamma_delta 
/* main.c 271: */
/* main.c 272: */<<= :L"ws"
/* main.c 273: */+= ::
/* main.c 274: */
/* main.c 275: */q
/* main.c 276: */
/* main.c 277: */int== && ; L'w' int , 
/* main.c 278: */x
/* main.c 279: */||L 
/* main.c 280: */x& -==?%
/* main.c 281: */x(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not Lnamedefined__LINE__L "ws"Lname %
/* main.c 282: */+= 
/* main.c 283: */x ; 
/* main.c 284: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1   ML **_asm_not< xL L'w' ( * %!=	&  && 12 ]{-
/* main.c 285: */ >'c'
/* main.c 286: */yint ]  
/* main.c 287: */+= ~ L"ws" 12 [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->
/* main.c 288: */ab+=
/* main.c 289: */::^=
/* main.c 290: */+= {&||
/* main.c 291: */y !=:: -^=&-- 
/* main.c 292: */
/* main.c 293: */12  0x1F  alpha_beta_gamma_delta
/* main.c 294: */
/* main.c 295: */q
/* main.c 296: */
/* main.c 297: */'c' 'c'
/* main.c 298: */? 298 :}x <
/* main.c 299: */
/* main.c 300: */q
/* main.c 301: */
/* main.c 302: */L'w'
/* main.c 303: */
/* main.c 304: */
/* main.c 305: */+= 
/* main.c 306: */abx? ^=  
/* main.c 307: */defined&& "s" <<=)  0x1F    0x1F },+=:: LxL 'w'alpha_beta_gamma_deltax{ *%	% :: <<= 
/* main.c 308: */
/* main.c 309: */w
/* main.c 310: */+=L"ws" ~ ( ||-> 
/* main.c 311: */
/* main.c 312: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L~ L ) 1 <
/* main.c 313: */
/* main.c 314: */q
/* main.c 315: */
/* main.c 316: */-> ] 
/* main.c 317: */
/* main.c 318: */w : ( ;  0x1F  -
/* main.c 319: */ >  ->
/* main.c 320: */
/* main.c 321: */ab  12  
/* main.c 322: */int ^= != *!=
/* main.c 323: */x~ 
/* main.c 324: */+=   } 
/* main.c 325: */y?!=>
/* main.c 326: */[ -&&* % )? :: -
/* main.c 327: */ >'c' L'w'  12     
/* main.c 328: */x!=) 
/* main.c 329: */abint
/* main.c 330: */x   || -- ]L|'c' L)?<
/* main.c 331: */ab-- 12 Lname-- "s" 
/* main.c 332: */ab&&] && 
/* main.c 333: */defined
/* main.c 334: */
/* main.c 335: */}!=, > |~:( 	 L'w' 
/* main.c 336: */
/* main.c 337: */w~alpha_beta_gamma_delta
/* main.c 338: */
/* main.c 339: */ab==%~ -(^=
/* main.c 340: */x --x } & --
/* main.c 341: */
/* main.c 342: */| 
/* main.c 343: */x 0x1F  <<= 
/* main.c 344: */x
/* main.c 345: */
/* main.c 346: */w 346> 
/* main.c 347: */
/* main.c 348: */w
/* main.c 349: */
/* main.c 350: */w L"ws" &&<>> int  0x1F  ( L'w'L"ws" 
/* main.c 351: */+=  < L  [
/* main.c 352: */
/* main.c 353: */q
/* main.c 354: */
/* main.c 355: */'c'>> ? 
/* main.c 356: */L
/* main.c 357: */z  
/* main.c 358: */<<=  ->)( 
/* main.c 359: */alpha_beta_gamma_deltaab
/* main.c 360: */y L"ws"
/* main.c 361: */^=>>+=361'c'  
/* main.c 362: */z== definedint]
/* main.c 363: */
/* main.c 364: */%   ~ ? {-- <,<?]-->><<===--::,&& +=Lname x[-
/* main.c 365: */&&{
/* main.c 366: */+= definedx- 
/* main.c 367: */+=L
/* main.c 368: */+= L"ws"-- : ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 369: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=;  0x1F 
/* main.c 370: */<*x ^=
/* main.c 371: */z_asm_not |
/* main.c 372: */
/* main.c 373: */<<= [ !=L -
/* main.c 374: */ >374"s" 
/* main.c 375: */z LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L% * >  ==_asm_not||
/* main.c 376: */||  12 ~%'c'defined:   defined
/* main.c 377: */z:
/* main.c 378: */ab } 1'c'-> L'w' defined ,>>'c'
/* main.c 379: */x 
/* main.c 380: */->"s"&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1   12 || +=Lname definedalpha_beta_gamma_delta xint L"ws"int defined   &&380  
/* main.c 381: */xint "s" 381 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 %&& -
/* main.c 382: */ >^=382 >
/* main.c 383: */zL 'w'1-
/* main.c 384: */ >& x||-
/* main.c 385: */ > ?&&== }; -
/* main.c 386: */ >)|
/* main.c 387: */ab:
/* main.c 388: */
/* main.c 389: */q
/* main.c 390: */
/* main.c 391: */
/* main.c 392: */abL"ws"int x  
/* main.c 393: */ab 
/* main.c 394: */
/* main.c 395: */] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 396: */
/* main.c 397: */+= 
/* main.c 398: */'c'
/* main.c 399: */
/* main.c 400: */q
/* main.c 401: */
/* main.c 402: */|*== 12  alpha_beta_gamma_delta: 
/* main.c 403: */
/* main.c 404: */Lname}-
/* main.c 405: */ > 
/* main.c 406: */ =='c'-- x 'c' 
/* main.c 407: */+= ( defined_asm_not{x ?::Lname "s" -- 
/* main.c 408: */
/* main.c 409: */w
/* main.c 410: */]%--
/* main.c 411: */
/* main.c 412: */q
/* main.c 413: */
/* main.c 414: */<<= []*x ->{	-
/* main.c 415: */ > L"ws"M__LINE__* "s"	alpha_beta_gamma_delta <
/* main.c 416: */{&&_asm_notLnameL "ws"
/* main.c 417: */"s"alpha_beta_gamma_delta
/* main.c 418: */y
/* main.c 419: */
/* main.c 420: */->  *L"ws" ]> 
/* main.c 421: */
/* main.c 422: */yab
/* main.c 423: */z% -
/* main.c 424: */ >(~^=1 L -
/* main.c 425: */ >
/* main.c 426: */^=
/* main.c 427: */
/* main.c 428: */+='c'&&  0x1F --
/* main.c 429: */z)^= != ~defined< { > ) &< 
/* main.c 430: */
/* main.c 431: */
/* main.c 432: */q
/* main.c 433: */
/* main.c 434: */{  0x1F 
/* main.c 435: */L 0x1F 
/* main.c 436: */< !=, } <<= 
/* main.c 437: */
/* main.c 438: */int 
/* main.c 439: */x
/* main.c 440: */
/* main.c 441: */y ->
/* main.c 442: */
/* main.c 443: */w x{L 0x1F - <<=x &&[+={
/* main.c 444: */z  ==Lname% ,alpha_beta_gamma_delta &&& <'c'  L'w' 
/* main.c 445: */< != 
/* main.c 446: */
/* main.c 447: */w% defined Lnamex	L"ws" ] 0x1F  }1
/* main.c 448: */} 
/* main.c 449: */- <<=
/* main.c 450: */
/* main.c 451: */q
/* main.c 452: */
/* main.c 453: */( 0x1F | }
/* main.c 454: */x &&   <
/* main.c 455: */^=== 
/* main.c 456: */
/* main.c 457: */?"s"^= > [ ? _asm_not ^=]&& ^=
/* main.c 458: */
/* main.c 459: */+= }<<= 
/* main.c 460: */ab 
/* main.c 461: */
/* main.c 462: */q
/* main.c 463: */
/* main.c 464: */&& &&& 
/* main.c 465: */y ?'c' ||
/* main.c 466: */ab ^=Lname 
/* main.c 467: */ab: -
/* main.c 468: */ > 'c'1 --_asm_not ||!=
/* main.c 469: */+= | && 
/* main.c 470: */z > ~ 
/* main.c 471: */
/* main.c 472: */q
/* main.c 473: */
/* main.c 474: */- : L-
/* main.c 475: */ > 12 }~~x Lname}? ( >
/* main.c 476: */-- - [ +=<<=|| )defined 
/* main.c 477: */x; 	_asm_not : ( 
/* main.c 478: */ab} ]->
/* main.c 479: */z 479-> Lname	 
/* main.c 480: */ab
/* main.c 481: */
/* main.c 482: */q
/* main.c 483: */
/* main.c 484: */
/* main.c 485: */
/* main.c 486: */q
/* main.c 487: */
/* main.c 488: */'c'
/* main.c 489: */x('c'-- <? 1
/* main.c 490: */
/* main.c 491: */q
/* main.c 492: */
/* main.c 493: */Lname defined ?defined
/* main.c 494: */alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 495: */y 'c'495>> 
/* main.c 496: */x 0x1F  * 
/* main.c 497: */~ L ; 497-
/* main.c 498: */ > 
/* main.c 499: */ab "s",| x ) :<||
/* main.c 500: */<<<=500 0x1F  
/* main.c 501: */+=
/* main.c 502: */
/* main.c 503: */q
/* main.c 504: */
/* main.c 505: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.c 506: */
/* main.c 507: */^=1 L"ws"alpha_beta_gamma_delta* L)&~ int	
/* main.c 508: */-
/* main.c 509: */ >& 
/* main.c 510: */
/* main.c 511: */q
/* main.c 512: */
/* main.c 513: */
/* main.c 514: */ab{+= (Lname-
/* main.c 515: */ >; 
/* main.c 516: */y L"ws"  > "s" 
/* main.c 517: */y }
/* main.c 518: */
/* main.c 519: */"s" &
/* main.c 520: */y	&  12 - x L'w' -
/* main.c 521: */ > :||	--(-defined 
/* main.c 522: */
/* main.c 523: */q
/* main.c 524: */
/* main.c 525: */
/* main.c 526: */ab%	 12  defined	 alpha_beta_gamma_delta~  &!= ~ 12 
/* main.c 527: */!=&*] -
/* main.c 528: */ >>> <<= L"ws" 1==+=_asm_not 
/* main.c 529: */x ] defined? } int ) *->&--	 +=529< 
/* main.c 530: */z
/* main.c 531: */1 , ( , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{{{ 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }>|"s"L'w' )  Mdefined ^= 
/* main.c 532: */y>>"s"!=<} LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,
/* main.c 533: */
/* main.c 534: */x 
/* main.c 535: */&&L <<=defined
/* main.c 536: */x} }
/* main.c 537: */||!=
/* main.c 538: */
/* main.c 539: */Lname(~
/* main.c 540: */y
/* main.c 541: */y-
/* main.c 542: */~? ]_asm_not {_asm_not  ]L	 ^=
/* main.c 543: */z::|| |L"ws" 
/* main.c 544: */alpha_beta_gamma_delta int>><<= 0x1F alpha_beta_gamma_delta} 1 }--&&
/* main.c 545: */+=&&|| &  0x1F  __LINE__alpha_beta_gamma_delta L [1}>>+=int==
/* main.c 546: */+=  0x1F == 'c'int || |
/* main.c 547: */yL "ws" : LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 548: */+=548 ~>>:: "s"defined -| Lname:	&&[ x
/* main.c 549: */)( 12 : int }%->'c' -><<= %
/* main.c 550: */
/* main.c 551: */q
/* main.c 552: */
/* main.c 553: */&
/* main.c 554: */
/* main.c 555: */|| )||1 } ] }555 x<<=|L'w'; 
/* main.c 556: */z += &&]  0x1F  !=
/* main.c 557: */+= ) < (--( 
/* main.c 558: */int ,~
/* main.c 559: */y alpha_beta_gamma_delta 
/* main.c 560: */~ 
/* main.c 561: */y-- 
/* main.c 562: */
/* main.c 563: */w -)
/* main.c 564: */- * 
/* main.c 565: */y defined<<=
/* main.c 566: */z
/* main.c 567: */
/* main.c 568: */~"s" >>
/* main.c 569: */xM!= 
/* main.c 570: */
/* main.c 571: */|| -
/* main.c 572: */ > 
/* main.c 573: */y;int_asm_not?==% L"ws";LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>_asm_not =='c'{  ( 
/* main.c 574: */z 
/* main.c 575: */z 
/* main.c 576: */
/* main.c 577: */w[[ 
/* main.c 578: */y 1 L"ws" ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1| alpha_beta_gamma_delta >
/* main.c 579: */y ~&^===+= 
/* main.c 580: */
/* main.c 581: */
/* main.c 582: */<]*	 
/* main.c 583: */:: 0x1F  )   
/* main.c 584: */--
/* main.c 585: */
/* main.c 586: */q
/* main.c 587: */
/* main.c 588: */,<;<	  <<<=+=
/* main.c 589: */y L"ws"xdefined;L"ws"?&&} ? -
/* main.c 590: */ > 
/* main.c 591: */
/* main.c 592: */q
/* main.c 593: */
/* main.c 594: */!=[-- ==  
/* main.c 595: */y__LINE__
/* main.c 596: */+= 
/* main.c 597: */
/* main.c 598: */z| -- 0x1F }{ 'c'|ML x	* alpha_beta_gamma_delta>>alpha_beta_gamma_delta ) ~ -- &&^=<<="s" 
/* main.c 599: */z__LINE__ >> > Lname> 599 
/* main.c 600: */
/* main.c 601: */w Lname
/* main.c 602: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=|| ^= 
/* main.c 603: */
/* main.c 604: */?
/* main.c 605: */y== [ 1 >__LINE__int int  0x1F  1; L'w'> += definedL 'w' L'w' "s" Lname ~ :{ -
/* main.c 606: */ >
/* main.c 607: */y<<= ->
/* main.c 608: */<]
/* main.c 609: */z  "s"::&&& != _asm_not ->defined>> ||Lname ==<<= 	 ) 
/* main.c 610: */-
/* main.c 611: */ > :-- ; 12 !=
/* main.c 612: */
/* main.c 613: */w definedint 
/* main.c 614: */y^=L"ws" defined   
/* main.c 615: */alpha_beta_gamma_deltaab <_asm_notL "ws" "s"*'c' 
/* main.c 616: */+=  12  ? 	:Lname(L'w' L"ws" L'w' defined+= )==LnameM
/* main.c 617: */y[-
/* main.c 618: */ > || intint <<=
/* main.c 619: */
/* main.c 620: */q
/* main.c 621: */
/* main.c 622: */{  
/* main.c 623: */zL 'w'
/* main.c 624: */y 
/* main.c 625: */abL 'w'
/* main.c 626: */+=::->   ? -
/* main.c 627: */ >-_asm_not
/* main.c 628: */!=&&  0x1F 
/* main.c 629: */+= += 
/* main.c 630: */<<={ 630;x%
/* main.c 631: */( ---
/* main.c 632: */ > += LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[^=% 
/* main.c 633: */
/* main.c 634: */>?
/* main.c 635: */x alpha_beta_gamma_delta(~?) ){--[ 
/* main.c 636: */Lnamealpha_beta_gamma_delta&&   1 [defined:? 	 
/* main.c 637: */|
/* main.c 638: */
/* main.c 639: */,-;
/* main.c 640: */
/* main.c 641: */
/* main.c 642: */w&{%?   
/* main.c 643: */
/* main.c 644: */xalpha_beta_gamma_delta 
/* main.c 645: */z  'c' alpha_beta_gamma_delta% ] |  12  int
/* main.c 646: */z& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws"
/* main.c 647: */z < >  x 647 
/* main.c 648: */
/* main.c 649: */q
/* main.c 650: */
/* main.c 651: */
/* main.c 652: */, == ? 
/* main.c 653: */::&&^=, 
/* main.c 654: */
/* main.c 655: */q
/* main.c 656: */
/* main.c 657: */)'c' += _asm_not ( | {{ 
/* main.c 658: */?int) ^=+=_asm_notxLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined%% alpha_beta_gamma_deltaalpha_beta_gamma_delta-
/* main.c 659: */ >,	 
/* main.c 660: */z| 
/* main.c 661: */[alpha_beta_gamma_deltaL "ws" >defined 
/* main.c 662: */
/* main.c 663: */w>>L >> 0x1F 
/* main.c 664: */alpha_beta_gamma_delta == &
/* main.c 665: */< 
/* main.c 666: */
/* main.c 667: */|| 'c' >  
/* main.c 668: */&"s"
/* main.c 669: */yL% 0x1F  != 
/* main.c 670: */>_asm_notint _asm_not 
/* main.c 671: */y>>defined;-> |]] += 'c'->
/* main.c 672: */"s" 
/* main.c 673: */x{|-  ==
/* main.c 674: */y*||674 || --== 12 ) int 1  12 -
/* main.c 675: */ >{) , :->}}-~ 12 ,alpha_beta_gamma_delta 
/* main.c 676: */& 
/* main.c 677: */xab; {] - L"ws"int 
/* main.c 678: */*
/* main.c 679: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname -
/* main.c 680: */ >
/* main.c 681: */+= % ^= - ||	x~~alpha_beta_gamma_delta 
/* main.c 682: */+= &&
/* main.c 683: */y]Lname~; > __LINE__defined
/* main.c 684: */<<=
/* main.c 685: */
/* main.c 686: */^= 
/* main.c 687: */::
/* main.c 688: */L|+= L ::,( }1 
/* main.c 689: */x ]|| && 12 689 689  
/* main.c 690: */>> ,|| 
/* main.c 691: */
/* main.c 692: */w ||
/* main.c 693: */
/* main.c 694: */q
/* main.c 695: */
/* main.c 696: */
/* main.c 697: */
/* main.c 698: */
/* main.c 699: */y ->!=intL<<= L"ws" ]* -
/* main.c 700: */ >& 
/* main.c 701: */alpha_beta_gamma_delta 
/* main.c 702: */^=>--&&alpha_beta_gamma_delta 
/* main.c 703: */+= L'w'"s"
/* main.c 704: */{ }defined 
/* main.c 705: */+=]!=  ;  0x1F  
/* main.c 706: */
/* main.c 707: */
/* main.c 708: */y 
/* main.c 709: */0x1F _asm_not
/* main.c 710: */z [
/* main.c 711: */+=1 -
/* main.c 712: */ >}
/* main.c 713: */<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 += 	 L'w'? 
/* main.c 714: */y ; 
/* main.c 715: */
/* main.c 716: */w !=  
/* main.c 717: */^= ;
/* main.c 718: */+= : )
/* main.c 719: */^=--
/* main.c 720: */< 
/* main.c 721: */L"ws" _asm_not, ? {~ L"ws" L"ws"&&- 
/* main.c 722: */x--   
/* main.c 723: */~ _asm_not 'c' 
/* main.c 724: */zx 
/* main.c 725: */)
/* main.c 726: */y ::
/* main.c 727: */&& [-> && alpha_beta_gamma_deltaM 
/* main.c 728: */ab( 
/* main.c 729: */
/* main.c 730: */q
/* main.c 731: */
/* main.c 732: */0x1F }  732& >>-
/* main.c 733: */ >L"ws" --    -
/* main.c 734: */ > alpha_beta_gamma_delta {
/* main.c 735: */
/* main.c 736: */> 1 += ]L"ws"L
/* main.c 737: */y) )>==("s" ==-- L'w' {]"s"-
/* main.c 738: */ >(:: _asm_not% -> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ?1; defined!= ->LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-  0x1F 'c'&&
/* main.c 739: */&alpha_beta_gamma_delta 12  &&
/* main.c 740: */z% 
/* main.c 741: */x 1] : L'w' ] 
/* main.c 742: */
/* main.c 743: */abint
/* main.c 744: */+=|   ^=;}{: || 
/* main.c 745: */ab
/* main.c 746: */z [ alpha_beta_gamma_delta 'c' ==!=( ||
/* main.c 747: */
/* main.c 748: */
/* main.c 749: */|| )^= 
/* main.c 750: */^= , ,
/* main.c 751: */
/* main.c 752: */wLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{::[L'w'?) ->|^= || Lname } <>< 
/* main.c 753: */x :	 ]-- ::
/* main.c 754: */
/* main.c 755: */w] _asm_not     
/* main.c 756: */
/* main.c 757: */y 		 Lname
/* main.c 758: */x:- 
/* main.c 759: */x 
/* main.c 760: */
/* main.c 761: */w,!=
/* main.c 762: */}  0x1F  
/* main.c 763: */? != >>  0x1F  | ->'c'   -'c'
/* main.c 764: */
/* main.c 765: */
/* main.c 766: */L"ws"
/* main.c 767: */&L>{ & (*~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not 'c'
/* main.c 768: */-> ::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 769: */ > 
/* main.c 770: */y int ]&&<<=   ~ Lname||	 +=||[& 0x1F  
/* main.c 771: */1'c'>> 
/* main.c 772: */
/* main.c 773: */q
/* main.c 774: */
/* main.c 775: */0x1F  &~
/* main.c 776: */x } !=x ) , )|| ::    , 
/* main.c 777: */12  , %defined
/* main.c 778: */x >> <<=)*ML 'w';) ^=[::%]778 12  * x] x
/* main.c 779: */||?~ ||  &&  12  += _asm_not-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 780: */
/* main.c 781: */w  
/* main.c 782: */x   &&782,L"ws" _asm_not >
/* main.c 783: */
/* main.c 784: */
/* main.c 785: */
/* main.c 786: */x "s"):!= }786 786
/* main.c 787: */
/* main.c 788: */L)+= <<= int 
/* main.c 789: */z&&==	 L'w'   x 
/* main.c 790: */__LINE__int +=
/* main.c 791: */
/* main.c 792: */w
/* main.c 793: */x>->
/* main.c 794: */||::
/* main.c 795: */int 
/* main.c 796: */y 'c'   &alpha_beta_gamma_delta: 
/* main.c 797: */x  0x1F Lname ~ int%
/* main.c 798: */z Lx +=: (~]L"ws"%|| ^=) 12 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 799: */
/* main.c 800: */q
/* main.c 801: */
/* main.c 802: */- alpha_beta_gamma_delta -> <<= ==L-1%- ^=?Lname> ;L"ws"!="s"
/* main.c 803: */
/* main.c 804: */<; :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1- L'w'L'w'  12 
/* main.c 805: */x|&& ; <<=alpha_beta_gamma_delta   :Lname	-- defined 
/* main.c 806: */1!=->  12  - L"ws",
/* main.c 807: */z &&
/* main.c 808: */
/* main.c 809: */
/* main.c 810: */< |,
/* main.c 811: */zdefined ->>^= != 
/* main.c 812: */
/* main.c 813: */12 
/* main.c 814: */z== <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
/* main.c 815: */
/* main.c 816: */q
/* main.c 817: */
/* main.c 818: */[LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	&& ] {1-
/* main.c 819: */ > ] --
/* main.c 820: */
/* main.c 821: */~
/* main.c 822: */
/* main.c 823: */
/* main.c 824: */q
/* main.c 825: */
/* main.c 826: */_asm_not}| 'c'[ 'c'	L)&& 'c' %
/* main.c 827: */L L"ws"  & ? 
/* main.c 828: */x 
/* main.c 829: */Mab==-> -
/* main.c 830: */ >~|| "s" 
/* main.c 831: */
/* main.c 832: */?] 
/* main.c 833: */ab
/* main.c 834: */z
/* main.c 835: */xint"s"
/* main.c 836: */}_asm_not[ alpha_beta_gamma_delta 0x1F ==
/* main.c 837: */} 
/* main.c 838: */
/* main.c 839: */w{ || ,) 12  %'c' 	 1 12 defined x ? {>intL 'w' * -
/* main.c 840: */ >  ;&&
/* main.c 841: */
/* main.c 842: */-
/* main.c 843: */ >L >
/* main.c 844: */y== >|| :_asm_not ~ 
/* main.c 845: */
/* main.c 846: */q
/* main.c 847: */
/* main.c 848: */
/* main.c 849: */
/* main.c 850: */q
/* main.c 851: */
/* main.c 852: */+= ?
/* main.c 853: */y defined & 
/* main.c 854: */
/* main.c 855: */w )||^=!= 855
/* main.c 856: */z  
/* main.c 857: */ab 
/* main.c 858: */
/* main.c 859: */w{ -1]|| ^= "s" >>L 
/* main.c 860: */xdefined int ) 
/* main.c 861: */ab
/* main.c 862: */->>>LLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 863: */
/* main.c 864: */w< int** }} int* 	 alpha_beta_gamma_delta+=::L==
/* main.c 865: */
/* main.c 866: */w  !=   >> 1-
/* main.c 867: */ >;[ && "s" Lname_asm_not 
/* main.c 868: */z['c'} 
/* main.c 869: */x( }-
/* main.c 870: */870%Lnamealpha_beta_gamma_delta  !=    ~-
/* main.c 871: */ >% &&L"ws")-
/* main.c 872: */ > x Lname 12 L"ws"~~
/* main.c 873: */y-- -
/* main.c 874: */ > 1+=[ 
/* main.c 875: */
/* main.c 876: */y!= x:-
/* main.c 877: */L"ws" ;877-> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 	)defined
/* main.c 878: */
/* main.c 879: */} L'w'^=* &^= 
/* main.c 880: */(
/* main.c 881: */[) L'w'
/* main.c 882: */y^=Lname< 882
/* main.c 883: */== -
/* main.c 884: */ >1} defined> 
/* main.c 885: */ > ::
/* main.c 886: */
/* main.c 887: */q
/* main.c 888: */
/* main.c 889: */:&Lname--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>>
/* main.c 890: */
/* main.c 891: */
/* main.c 892: */wdefinedL 'w' - 
/* main.c 893: */+='c'{L"ws" *?L 
/* main.c 894: */;defined: 0x1F  --int 
/* main.c 895: */y   
/* main.c 896: */x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1% +=!= ::|	 0x1F  ==
/* main.c 897: */
/* main.c 898: */!= ==~&&1||-|| 898 	 ||   > %& ^=ML L"ws"||+=  
/* main.c 899: */+=-
/* main.c 900: */ >==L'w',
/* main.c 901: */12 ;&& : ==
/* main.c 902: */alpha_beta_gamma_deltaLname ~^= ^= & ?'c'
/* main.c 903: */
/* main.c 904: */w_asm_not !=
/* main.c 905: */
/* main.c 906: */__LINE__alpha_beta_gamma_delta
/* main.c 907: */
/* main.c 908: */w^= 
/* main.c 909: */z intL
/* main.c 910: */y   >>>
/* main.c 911: */
/* main.c 912: */ab[<<=
/* main.c 913: */ab
/* main.c 914: */}] defined & x 'c''c'(
/* main.c 915: */x  
/* main.c 916: */xL "ws" int
/* main.c 917: */
/* main.c 918: */w? -- 
/* main.c 919: */+=--defined 919% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->"s":: [><<<=>-
/* main.c 920: */ > 
/* main.c 921: */<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 int< Lname~1 defined < %1~&defined
/* main.c 922: */y<{ int+= 
/* main.c 923: */0x1F alpha_beta_gamma_delta!= 
/* main.c 924: */)int-
/* main.c 925: */ > +=~ ::}? ] -- "s"|
/* main.c 926: */yL "ws" 
/* main.c 927: */
/* main.c 928: */||||
/* main.c 929: */
/* main.c 930: */q
/* main.c 931: */
/* main.c 932: */~>>	
/* main.c 933: */y ==
/* main.c 934: */
/* main.c 935: */x ||| ]~ 
/* main.c 936: */
/* main.c 937: */q
/* main.c 938: */
/* main.c 939: */% 
/* main.c 940: */ab__LINE__ L'w' ;
/* main.c 941: */x <<=
/* main.c 942: */!= 
/* main.c 943: */ab} ,> alpha_beta_gamma_deltaL "ws"+= 'c' ::   
/* main.c 944: */+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 945: */
/* main.c 946: */_asm_not 
/* main.c 947: */x *
/* main.c 948: */x definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=alpha_beta_gamma_delta--
/* main.c 949: */z&&-  ~ ] L"ws"  (x ? L"ws"+= !=
/* main.c 950: */
/* main.c 951: */q
/* main.c 952: */
/* main.c 953: */'c'{ 	 
/* main.c 954: */
/* main.c 955: */? defined? || -&&_asm_not !=?   * defined)
/* main.c 956: */x 'c' ?-
/* main.c 957: */ >!= ]!=|alpha_beta_gamma_delta-
/* main.c 958: */ > }>L"ws" > L"ws" L'w'
/* main.c 959: */
/* main.c 960: */q
/* main.c 961: */
/* main.c 962: */? 
/* main.c 963: */y}
/* main.c 964: */z-1- ;,
/* main.c 965: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c' -- 
/* main.c 966: */ab 
/* main.c 967: */{ --? 	 ; & %}( ; <<="s"&&->LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ||>>    defined |L} ?
/* main.c 968: */y <<=
/* main.c 969: */*
/* main.c 970: */>
/* main.c 971: */
/* main.c 972: */q
/* main.c 973: */
/* main.c 974: */L
/* main.c 975: */+=
/* main.c 976: */y L'w' 
/* main.c 977: */
/* main.c 978: */w<<=
/* main.c 979: */
/* main.c 980: */ab&1 && 12  "s" 	alpha_beta_gamma_delta }]  
/* main.c 981: */L~ _asm_not%->L'w' 
/* main.c 982: */
/* main.c 983: */w  ? * --
/* main.c 984: */y<<=<-|| ]
/* main.c 985: */z ^=!= |{^= *:: ~ 12  0x1F Lname (==1 x 
/* main.c 986: */ab Lname
/* main.c 987: */x  ^= -- [
/* main.c 988: */
/* main.c 989: */"s"
/* main.c 990: */;   
/* main.c 991: */z >>| :: Lname <<=
/* main.c 992: */+= _asm_not!=||
/* main.c 993: */
/* main.c 994: */&&&& :: ~ Lname
/* main.c 995: */+= 
/* main.c 996: */y:- != ==x<<=>}-- definedalpha_beta_gamma_delta {_asm_not ] Lname :: 
/* main.c 997: */
/* main.c 998: */+=_asm_not~ 
/* main.c 999: */
/* main.c 1000: */
/* main.c 1001: */x
/* main.c 1002: */L"ws"xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> 
/* main.c 1003: */
/* main.c 1004: */q
/* main.c 1005: */
/* main.c 1006: */
/* main.c 1007: */x&& < int] 
/* main.c 1008: */
/* main.c 1009: */q
/* main.c 1010: */
/* main.c 1011: */1011 'c' <<=int 'c' 
/* main.c 1012: */'c' -
/* main.c 1013: */ > &&:: <'c'
/* main.c 1014: */
/* main.c 1015: */w  
/* main.c 1016: */+= 
/* main.c 1017: */x 
/* main.c 1018: */
/* main.c 1019: */w L"ws" { LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1020: */y :&& ::L 
/* main.c 1021: */
/* main.c 1022: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L &&( && 	 % 
/* main.c 1023: */+= ->
/* main.c 1024: */::L"ws" 1024
/* main.c 1025: */x[:: 
/* main.c 1026: */
/* main.c 1027: */
/* main.c 1028: */wL "ws")%L"ws" 'c'1   ?  0x1F 
/* main.c 1029: */*+= L'w' ||L"ws" 
/* main.c 1030: */}; 
/* main.c 1031: */y L'w' --
/* main.c 1032: */xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1033: */<<=|~ --* ] 	 <<=*
/* main.c 1034: */
/* main.c 1035: */
/* main.c 1036: */+= %
/* main.c 1037: */
/* main.c 1038: */q
/* main.c 1039: */
/* main.c 1040: */]+= defined { 
/* main.c 1041: */+= -: &Lname: [ 
/* main.c 1042: */-
/* main.c 1043: */ >L"ws" <<=,-
/* main.c 1044: */ >x } |  ==,)-> { += 
/* main.c 1045: */x <<=)  ->
/* main.c 1046: */&
/* main.c 1047: */z} >>
/* main.c 1048: */ ==L%   
/* main.c 1049: */x   & ,
/* main.c 1050: */ab 
/* main.c 1051: */ab -
/* main.c 1052: */ > 'c'[ - 
/* main.c 1053: */
/* main.c 1054: */w__LINE__ 1
/* main.c 1055: */+=
/* main.c 1056: */0x1F  % ;defined ?;<  <<=
/* main.c 1057: */
/* main.c 1058: */-
/* main.c 1059: */ > <<= -> < != ~1
/* main.c 1060: */!= *
/* main.c 1061: */%
/* main.c 1062: */
/* main.c 1063: */q
/* main.c 1064: */
/* main.c 1065: */- 
/* main.c 1066: */0x1F & <<= ^=L"ws" ^=} L'w' Lname == >>
/* main.c 1067: */
/* main.c 1068: */q
/* main.c 1069: */
/* main.c 1070: */
/* main.c 1071: */y _asm_notL 
/* main.c 1072: */ab ;
/* main.c 1073: */Lname{==|LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ( --
/* main.c 1074: */x
/* main.c 1075: */
/* main.c 1076: */wL 
/* main.c 1077: */y -<<=
/* main.c 1078: */x 1 
/* main.c 1079: */z
/* main.c 1080: */0x1F L ~ +=% xM 0x1F [ x ||!= ] 	int--
/* main.c 1081: */x ;--
/* main.c 1082: */&&
/* main.c 1083: */+= &&; 
/* main.c 1084: */x
/* main.c 1085: */z 
/* main.c 1086: */y 1086~'c'
/* main.c 1087: */
/* main.c 1088: */q
/* main.c 1089: */
/* main.c 1090: */
/* main.c 1091: */z
/* main.c 1092: */y 
/* main.c 1093: */
/* main.c 1094: */q
/* main.c 1095: */
/* main.c 1096: */[ 12  12 }&& ^=&&LL "ws" L'w' 
/* main.c 1097: */-- x&&
/* main.c 1098: */
/* main.c 1099: */;;>>^=    
/* main.c 1100: */xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1& 
/* main.c 1101: */<<=^= | -
/* main.c 1102: */ >_asm_not!= _asm_not+= > - "s" 
/* main.c 1103: */y 
/* main.c 1104: */
/* main.c 1105: */
/* main.c 1106: */q
/* main.c 1107: */
/* main.c 1108: */<<= ->| L"ws" { int -
/* main.c 1109: */ >  12 ~ > 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *1109 
/* main.c 1110: */z<<=^= >| -
/* main.c 1111: */ >alpha_beta_gamma_delta* x--
/* main.c 1112: */
/* main.c 1113: */q
/* main.c 1114: */
/* main.c 1115: */0x1F 
/* main.c 1116: */
/* main.c 1117: */
/* main.c 1118: */
/* main.c 1119: */q
/* main.c 1120: */
/* main.c 1121: */'c' --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 < ,L"ws" [
/* main.c 1122: */
/* main.c 1123: */q
/* main.c 1124: */
/* main.c 1125: */defined<<=;alpha_beta_gamma_delta 0x1F } += <^= 	<
/* main.c 1126: */
/* main.c 1127: */
/* main.c 1128: */
/* main.c 1129: */ab-- ><<=:,"s"<<=L:defined L"ws"
/* main.c 1130: */== 
/* main.c 1131: */y L == != "s"Lname> L'w'"s"- :: 
/* main.c 1132: */+=->  * !=
/* main.c 1133: */&--int!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"'c': x
/* main.c 1134: */y^=1134== ::L
/* main.c 1135: */
/* main.c 1136: */q
/* main.c 1137: */
/* main.c 1138: */'c'   L -
/* main.c 1139: */ > L
/* main.c 1140: */% 0x1F ? [ ) }
/* main.c 1141: */
/* main.c 1142: */q
/* main.c 1143: */
/* main.c 1144: */> [^= +=Mx
/* main.c 1145: */> 12  
/* main.c 1146: */
/* main.c 1147: */w
/* main.c 1148: */xL 'w' "s"  0x1F 
/* main.c 1149: */--"s"
/* main.c 1150: */y  -
/* main.c 1151: */ >  -
/* main.c 1152: */ >  += defined
/* main.c 1153: */y	 "s"L"ws" } 0x1F :% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname 
/* main.c 1154: */%<<=?| ~ >> ) && -> == 'c' alpha_beta_gamma_deltadefined_asm_not !={ [-- _asm_not< int L-
/* main.c 1155: */ >x -
/* main.c 1156: */ >!=1
/* main.c 1157: */
/* main.c 1158: */w,	  L'w'[1 != [
/* main.c 1159: */
/* main.c 1160: */q
/* main.c 1161: */
/* main.c 1162: */
/* main.c 1163: */abint 'c'==%!= && <'c'&& += "s"<<= >><<=--defined%    
/* main.c 1164: */ab;
/* main.c 1165: */alpha_beta_gamma_delta += !=; 'c'L"ws"int,  
/* main.c 1166: */zLname>> int-- 
/* main.c 1167: */+=<
/* main.c 1168: */x 
/* main.c 1169: */
/* main.c 1170: */:: &x { ? ,L'w' - && 
/* main.c 1171: */ab->
/* main.c 1172: */
/* main.c 1173: */int L"ws"^= x   
/* main.c 1174: */ab< 1174
/* main.c 1175: */
/* main.c 1176: */x? &
/* main.c 1177: */z 
/* main.c 1178: */z
/* main.c 1179: */
/* main.c 1180: */alpha_beta_gamma_deltaL 'w' Ldefined %
/* main.c 1181: */+=%
/* main.c 1182: */+= 
/* main.c 1183: */
/* main.c 1184: */w 	_asm_not!=+= 
/* main.c 1185: */
/* main.c 1186: */< [ L"ws"x::   
/* main.c 1187: */+=
/* main.c 1188: */
/* main.c 1189: */w defined;L"ws"
/* main.c 1190: */
/* main.c 1191: */q
/* main.c 1192: */
/* main.c 1193: */-x-- <<= 
/* main.c 1194: */+=(L*) *"s" 1194 ~ L"ws" :Lname   -  != == 
/* main.c 1195: */y ^=}, 
/* main.c 1196: */x{"s"alpha_beta_gamma_delta 
/* main.c 1197: */
/* main.c 1198: */w )+=,
/* main.c 1199: */
/* main.c 1200: */q
/* main.c 1201: */
/* main.c 1202: */defined &->+=~
/* main.c 1203: */+= >> 0x1F -  -- > 
/* main.c 1204: */+=
/* main.c 1205: */
/* main.c 1206: */defined [ )^= ->L"ws"==!=&^= 0x1F  && 
/* main.c 1207: */
/* main.c 1208: */!=:( 
/* main.c 1209: */y _asm_not-> 1209%
/* main.c 1210: */-    ]+= _asm_notdefined "s" x 
/* main.c 1211: */z * 
/* main.c 1212: */y ?^=int && }1 -> defined% 
/* main.c 1213: */
/* main.c 1214: */w L"ws"%>>
/* main.c 1215: */zL 'w'
/* main.c 1216: */+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta(1 
/* main.c 1217: */x__LINE__ *  12 <<=|!= 
/* main.c 1218: */
/* main.c 1219: */<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L'w'%-
/* main.c 1220: */ ><<=!=^= 12  ( L-> 0x1F  'c'L"ws"  0x1F  0x1F  1220  ] 
/* main.c 1221: */
/* main.c 1222: */y ^=
/* main.c 1223: */y ||
/* main.c 1224: */-
/* main.c 1225: */ >% defined
/* main.c 1226: */+=^=L'w' 0x1F  -
/* main.c 1227: */ >xdefined&& 
/* main.c 1228: */z|
/* main.c 1229: */
/* main.c 1230: */q
/* main.c 1231: */
/* main.c 1232: */
/* main.c 1233: */
/* main.c 1234: */w
/* main.c 1235: */z } 
/* main.c 1236: */:: 
/* main.c 1237: */ab_asm_not 12 ->[ 
/* main.c 1238: */
/* main.c 1239: */- ^=[
/* main.c 1240: */x-
/* main.c 1241: */ >1
/* main.c 1242: */
/* main.c 1243: */w) L L"ws" , 
/* main.c 1244: */
/* main.c 1245: */q
/* main.c 1246: */
/* main.c 1247: */:: alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1] :    defined }+= >>'c'==
/* main.c 1248: */]-
/* main.c 1249: */
/* main.c 1250: */;
/* main.c 1251: */+=& Lname >-
/* main.c 1252: */ >,
/* main.c 1253: */<<=  
/* main.c 1254: */~) |!=[ < :: "s")-> "s" ^= 
/* main.c 1255: */:: Lname 1255 ^=|+=
/* main.c 1256: */+=_asm_notM
/* main.c 1257: */
/* main.c 1258: */q
/* main.c 1259: */
/* main.c 1260: */'c'
/* main.c 1261: */ab 
/* main.c 1262: */} ,] : 
/* main.c 1263: */
/* main.c 1264: */w~]'c'& MM
/* main.c 1265: */
/* main.c 1266: */w 'c'Lname 
/* main.c 1267: */
/* main.c 1268: */q
/* main.c 1269: */
/* main.c 1270: */> 12 Lname:-
/* main.c 1271: */ ><<= ||
/* main.c 1272: */yM::L"ws" &&::<LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,| ---+= |
/* main.c 1273: */int )"s"
/* main.c 1274: */x< +=  
/* main.c 1275: */x--L"ws">> 
/* main.c 1276: */z%--
/* main.c 1277: */
/* main.c 1278: */
/* main.c 1279: */w
/* main.c 1280: */|| }( 
/* main.c 1281: */+=?
/* main.c 1282: */-
/* main.c 1283: */ > %* 0x1F  == 12  
/* main.c 1284: */L"ws"::
/* main.c 1285: */--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1, :: 
/* main.c 1286: */
/* main.c 1287: */
/* main.c 1288: */
/* main.c 1289: */abL "ws" 'c'^=& || && &1'c'
/* main.c 1290: */z 'c'L_asm_not-- 
/* main.c 1291: */ab x<<=-->>L-
/* main.c 1292: */ > 1(  12 
/* main.c 1293: */>>	-
/* main.c 1294: */ > 1
/* main.c 1295: */y__LINE__[:: { ;:Lname
/* main.c 1296: */::1 Lname{% "s" ,L
/* main.c 1297: */
/* main.c 1298: */w Lname&'c' 1298   1298;< 
/* main.c 1299: */abint 
/* main.c 1300: */x ||
/* main.c 1301: */
/* main.c 1302: */x^=|Lname ^=*"s"&& 1302   ; %) Lname
/* main.c 1303: */
/* main.c 1304: */w >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1305: */+= % 
/* main.c 1306: */
/* main.c 1307: */w>>{ 
/* main.c 1308: */
/* main.c 1309: */w&L'w' ::	 
/* main.c 1310: */&&defined, ->]?Lname  12  <); 
/* main.c 1311: */+=~>; 
/* main.c 1312: */abLname _asm_not ;^= ? ,{"s""s" 
/* main.c 1313: */ab L"ws"~| 
/* main.c 1314: */xM 1314<<= ; 
/* main.c 1315: */-> ) 
/* main.c 1316: */
/* main.c 1317: */?  alpha_beta_gamma_delta 
/* main.c 1318: */^= *
/* main.c 1319: */x
/* main.c 1320: */>> 
/* main.c 1321: */] alpha_beta_gamma_delta 
/* main.c 1322: */
/* main.c 1323: */
/* main.c 1324: */wab &&<->||-> ]
/* main.c 1325: */:: !=-- L"ws" 
/* main.c 1326: */ab 	 
/* main.c 1327: */ab 
/* main.c 1328: */
/* main.c 1329: */x)
/* main.c 1330: */
/* main.c 1331: */-
/* main.c 1332: */ >(defined &&]== L ?L"ws" -Lname x
/* main.c 1333: */'c' }
/* main.c 1334: */x==  
/* main.c 1335: */
/* main.c 1336: */+=  -- 
/* main.c 1337: */
/* main.c 1338: */x 0x1F  ::
/* main.c 1339: */zLname
/* main.c 1340: */y ]'c'
/* main.c 1341: */0x1F 
/* main.c 1342: */[& 
/* main.c 1343: */yintLname
/* main.c 1344: */>>
/* main.c 1345: */+= 
/* main.c 1346: */y>>int  
/* main.c 1347: */x 
/* main.c 1348: */x
/* main.c 1349: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; L--_asm_not;
/* main.c 1350: */||	
/* main.c 1351: */::^=-
/* main.c 1352: */ > ] -
/* main.c 1353: */
/* main.c 1354: */ -> Lname >> *+=: +=--
/* main.c 1355: */'c'
/* main.c 1356: */
/* main.c 1357: */
/* main.c 1358: */q
/* main.c 1359: */
/* main.c 1360: */12  [   ? &
/* main.c 1361: */+=: |
/* main.c 1362: */:>~ 
/* main.c 1363: */ab ;
/* main.c 1364: */x--*   != 
/* main.c 1365: */
/* main.c 1366: */:: _asm_not__LINE__ 
/* main.c 1367: */+=
/* main.c 1368: */"s" L"ws"1
/* main.c 1369: */z LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 !=L
/* main.c 1370: */
/* main.c 1371: */"s"	
/* main.c 1372: */[int
/* main.c 1373: */+=
/* main.c 1374: */
/* main.c 1375: */q
/* main.c 1376: */
/* main.c 1377: */?:::?  12  _asm_not :: ;)) 
/* main.c 1378: */ab 0x1F ; ?~~ |
/* main.c 1379: */z }
/* main.c 1380: */[L"ws"?
/* main.c 1381: */ab: 
/* main.c 1382: */~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[  
/* main.c 1383: */z% L"ws"  0x1F 
/* main.c 1384: */] 	&? ]  int 
/* main.c 1385: */
/* main.c 1386: */==( (
/* main.c 1387: */+= == 1 L *-
/* main.c 1388: */int^= : 
/* main.c 1389: */xint 
/* main.c 1390: */
/* main.c 1391: */( [ +===)L'w' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: >< 
/* main.c 1392: */y  
/* main.c 1393: */
/* main.c 1394: */w 0x1F >> :  
/* main.c 1395: */+=]L ||L
/* main.c 1396: */%
/* main.c 1397: */
/* main.c 1398: */q
/* main.c 1399: */
/* main.c 1400: */0x1F 	 L'w'|--  
/* main.c 1401: */ab LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ?
/* main.c 1402: */,;== ]	 ^= 
/* main.c 1403: */{
/* main.c 1404: */
/* main.c 1405: */abab
/* main.c 1406: */+= -
/* main.c 1407: */ > 
/* main.c 1408: */
/* main.c 1409: */w 'c' 
/* main.c 1410: */x - definedLnamealpha_beta_gamma_delta defined&&
/* main.c 1411: */-> 
/* main.c 1412: */x alpha_beta_gamma_delta 
/* main.c 1413: */
/* main.c 1414: */-- [Mdefined
/* main.c 1415: */* && <<='c' -
/* main.c 1416: */
/* main.c 1417: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1418: */0x1F 'c' :: :: ,  [xint    
/* main.c 1419: */y x[ML
/* main.c 1420: */y ]>> ] ,1420 ||[* 
/* main.c 1421: */"s"
/* main.c 1422: */
/* main.c 1423: */?<<=( & 
/* main.c 1424: */
/* main.c 1425: */q
/* main.c 1426: */
/* main.c 1427: */
/* main.c 1428: */
/* main.c 1429: */zab [ -> L&&-- 
/* main.c 1430: */
/* main.c 1431: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L 'w'->  ] 
/* main.c 1432: */
/* main.c 1433: */< 	 "s":"s"] alpha_beta_gamma_delta%|| 
/* main.c 1434: */ab	 <<= [+=alpha_beta_gamma_delta intdefined
/* main.c 1435: */
/* main.c 1436: */wdefined <<<=-
/* main.c 1437: */ >
/* main.c 1438: */
/* main.c 1439: */q
/* main.c 1440: */
/* main.c 1441: */~L'w' ?'c'   )<&& ,+= 
/* main.c 1442: */y 	 <<=L 
/* main.c 1443: */+=
/* main.c 1444: */
/* main.c 1445: */defined  1445     > int ?  12 
/* main.c 1446: */z L
/* main.c 1447: */_asm_not += ~  
/* main.c 1448: */+= 1448'c' % -  --{ 
/* main.c 1449: */ab
/* main.c 1450: */
/* main.c 1451: */
/* main.c 1452: */w
/* main.c 1453: */& 12 ( ,  0x1F "s"
/* main.c 1454: */!= 
/* main.c 1455: */ab L'w' ~<<=, --?x 
/* main.c 1456: */
/* main.c 1457: */;
/* main.c 1458: */ab _asm_not 'c'!="s"L 
/* main.c 1459: */
/* main.c 1460: */||&&1460 
/* main.c 1461: */
/* main.c 1462: */+= ;-- 12 
/* main.c 1463: */x 12  &&  ?&  &1463 
/* main.c 1464: */
/* main.c 1465: */q
/* main.c 1466: */
/* main.c 1467: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"
/* main.c 1468: */: 
/* main.c 1469: */x --defined    ,
/* main.c 1470: */x[~  [ 12 L'w' <
/* main.c 1471: */1] ^=]::-- 
/* main.c 1472: */ab &&  >>defined==	-
/* main.c 1473: */ >1473
/* main.c 1474: */x
/* main.c 1475: */
/* main.c 1476: */
/* main.c 1477: */
/* main.c 1478: */y ( 
/* main.c 1479: */
/* main.c 1480: */q
/* main.c 1481: */
/* main.c 1482: */[ 
/* main.c 1483: */
/* main.c 1484: */x : defined& 
/* main.c 1485: */!= 12 
/* main.c 1486: */> L"ws"::) 'c' && 'c'
/* main.c 1487: */
/* main.c 1488: */] - 
/* main.c 1489: */x? 
/* main.c 1490: */ab ,  0x1F  L|
/* main.c 1491: */^=int %+=
/* main.c 1492: */ab alpha_beta_gamma_delta% 
/* main.c 1493: */
/* main.c 1494: */q
/* main.c 1495: */
/* main.c 1496: */<<=
/* main.c 1497: */]   L'w' &  0x1F 
/* main.c 1498: */
/* main.c 1499: */int   L; ( >>* 12 L"ws" 
/* main.c 1500: */alpha_beta_gamma_delta} > 
/* main.c 1501: */?-
/* main.c 1502: */12 	+= 
/* main.c 1503: */
/* main.c 1504: */>>L'w' alpha_beta_gamma_delta&&>>Lname } 
/* main.c 1505: */
/* main.c 1506: */&&"s"!= ?L && || |-&->:: ?|
/* main.c 1507: */Lname^=] defined ==int definedL 'w' 
/* main.c 1508: */:    
/* main.c 1509: */ : ) ? < ;x L }
/* main.c 1510: */
/* main.c 1511: */q
/* main.c 1512: */
/* main.c 1513: */; <<=>> !=; 
/* main.c 1514: */
/* main.c 1515: */w
/* main.c 1516: */y 
/* main.c 1517: */x- 
/* main.c 1518: */x<~x    == :|<alpha_beta_gamma_delta^= 
/* main.c 1519: */
/* main.c 1520: */z [)( L'w' 
/* main.c 1521: */+=[ 
/* main.c 1522: */!=
/* main.c 1523: */
/* main.c 1524: */q
/* main.c 1525: */
/* main.c 1526: */%L'w') -, |
/* main.c 1527: */
/* main.c 1528: */-> 
/* main.c 1529: */ab<<= %L"ws" 
/* main.c 1530: */zL "ws" +=&,
/* main.c 1531: */
/* main.c 1532: */q
/* main.c 1533: */
/* main.c 1534: */% __LINE__alpha_beta_gamma_delta--&!=+=intL 'w'_asm_not-- int  
/* main.c 1535: */!= }
/* main.c 1536: */
/* main.c 1537: */-,
/* main.c 1538: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- _asm_not&]^=x;}
/* main.c 1539: */12 defined: % L"ws"+=,1539
/* main.c 1540: */+= 'c' ;  defineddefined & 
/* main.c 1541: */<__LINE__int &+=
/* main.c 1542: */{ alpha_beta_gamma_delta <<=   ~ ) * < |-
/* main.c 1543: */ > ; ? L &_asm_notdefined int
/* main.c 1544: */||_asm_not ; L [
/* main.c 1545: */
/* main.c 1546: */q
/* main.c 1547: */
/* main.c 1548: */,!===
/* main.c 1549: */
/* main.c 1550: */| -
/* main.c 1551: */ >^= <<= ) == 
/* main.c 1552: */::==[&& 
/* main.c 1553: */
/* main.c 1554: */q
/* main.c 1555: */
/* main.c 1556: */
/* main.c 1557: */+=>1557 
/* main.c 1558: */alpha_beta_gamma_delta  :: -<<= 12 | >>
/* main.c 1559: */*& x -> }
/* main.c 1560: */
/* main.c 1561: */q
/* main.c 1562: */
/* main.c 1563: */
/* main.c 1564: */+=<<= _asm_not>>&& ^= :_asm_not 1564 
/* main.c 1565: */
/* main.c 1566: */w 
/* main.c 1567: */
/* main.c 1568: */--;==
/* main.c 1569: */ab  12 < 
/* main.c 1570: */z "s"]
/* main.c 1571: */+=
/* main.c 1572: */:
/* main.c 1573: */) -  int
/* main.c 1574: */
/* main.c 1575: */'c'L'w'{
/* main.c 1576: */ab 'c' (alpha_beta_gamma_delta) x(^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :   :: ==+=  0x1F  }* < >]; -int:: 1(  alpha_beta_gamma_delta alpha_beta_gamma_delta ?int ^= 
/* main.c 1577: */==&&:_asm_not 'c'L"ws">>	{ : 'c'_asm_not "s"Lname
/* main.c 1578: */
/* main.c 1579: */zLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 1580: */ >1580 
/* main.c 1581: */
/* main.c 1582: */<!=|+=<<=L"ws"
/* main.c 1583: */ab*<<=&& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1584: */alpha_beta_gamma_deltaL "ws"int-- 'c' : [ ;}%~    
/* main.c 1585: */~
/* main.c 1586: */( L"ws" alpha_beta_gamma_delta < 
/* main.c 1587: */z L'w'
/* main.c 1588: */Lname ; } ( 
/* main.c 1589: */z
/* main.c 1590: */
/* main.c 1591: */q
/* main.c 1592: */
/* main.c 1593: */*[ |> ;<L: (~ 
/* main.c 1594: */x &&& Lname }==~  ):
/* main.c 1595: */+=
/* main.c 1596: */
/* main.c 1597: */z-
/* main.c 1598: */ >){[
/* main.c 1599: */+='c'
/* main.c 1600: */
/* main.c 1601: */
/* main.c 1602: */~ 
/* main.c 1603: */&alpha_beta_gamma_delta %>
/* main.c 1604: */ab 
/* main.c 1605: */<<=*'c' 
/* main.c 1606: */? x^= 0x1F  , 
/* main.c 1607: */
/* main.c 1608: */w%%_asm_not)
/* main.c 1609: */'c' 1609  0x1F ] _asm_notint 
/* main.c 1610: */&  
/* main.c 1611: */x)< -  -[ 0x1F  )
/* main.c 1612: */+= ->L'w' 1612 
/* main.c 1613: */
/* main.c 1614: */
/* main.c 1615: */
/* main.c 1616: */w( Lname int||,^= }:Lname { >>%->
/* main.c 1617: */y 
/* main.c 1618: */defined 
/* main.c 1619: */
/* main.c 1620: */w  0x1F alpha_beta_gamma_delta <<=!= 1620{1620&&|| { 
/* main.c 1621: */ab(::} xint{ ( 
/* main.c 1622: */y {1622 %|| != ~   ,
/* main.c 1623: */<: < 0x1F >>	:  ; 0x1F L  1 ==xM[ 
/* main.c 1624: */
/* main.c 1625: */q
/* main.c 1626: */
/* main.c 1627: */'c' L"ws" :: != *x ~]
/* main.c 1628: */x
/* main.c 1629: */
/* main.c 1630: */wLname[ (Lname _asm_not ]- 12  
/* main.c 1631: */x L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[L: 1:
/* main.c 1632: */
/* main.c 1633: */q
/* main.c 1634: */
/* main.c 1635: */"s"	 
/* main.c 1636: */
/* main.c 1637: */w 'c'-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1638: */+= ||!=!=>alpha_beta_gamma_delta ^="s" { 1638 }"s" 1638 -
/* main.c 1639: */ >~ 12  _asm_not"s"_asm_not}
/* main.c 1640: */x  ];) 	 0x1F ><<= (*   ( <<=
/* main.c 1641: */x , {
/* main.c 1642: */
/* main.c 1643: */z_asm_notab ~
/* main.c 1644: */ab->
/* main.c 1645: */
/* main.c 1646: */
/* main.c 1647: */
/* main.c 1648: */ab 	 
/* main.c 1649: */
/* main.c 1650: */q
/* main.c 1651: */
/* main.c 1652: */alpha_beta_gamma_delta+=}<* <<=L"ws" ^= }"s" 
/* main.c 1653: */>  
/* main.c 1654: */ab^=?L'w'
/* main.c 1655: */]1655  || :: 
/* main.c 1656: */
/* main.c 1657: */q
/* main.c 1658: */
/* main.c 1659: */12  
/* main.c 1660: */> intL --&& 
/* main.c 1661: */&<<=: | 'c' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 == _asm_not { 
/* main.c 1662: */+= int == 
/* main.c 1663: */ab
/* main.c 1664: */yL "ws" | L   
/* main.c 1665: */y?Mx* &&x<<=} 
/* main.c 1666: */~]x  
/* main.c 1667: */ab 
/* main.c 1668: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1669: */
/* main.c 1670: */, 
/* main.c 1671: */z
/* main.c 1672: */'c' <-- 
/* main.c 1673: */
/* main.c 1674: */w__LINE__ ^= 0x1F  
/* main.c 1675: */,
/* main.c 1676: */1  !=
/* main.c 1677: */
/* main.c 1678: */
/* main.c 1679: */[,  -
/* main.c 1680: */ >--]
/* main.c 1681: */ab !=<1>-	] 
/* main.c 1682: */
/* main.c 1683: */w 0x1F ] ==(-
/* main.c 1684: */ > x|| ;
/* main.c 1685: */
/* main.c 1686: */x ~] 1686 ^= >:: L alpha_beta_gamma_delta | }+= { || }"s"- && L"ws";
/* main.c 1687: */
/* main.c 1688: */
/* main.c 1689: */}L'w' <x  || ,L"ws"| Lname <<= ||  12 __LINE___asm_notL "ws" 
/* main.c 1690: */>> 'c' -
/* main.c 1691: */ >defined__LINE__<<=  <L'w'-
/* main.c 1692: */ > 
/* main.c 1693: */
/* main.c 1694: */q
/* main.c 1695: */
/* main.c 1696: */&&
/* main.c 1697: */+=-- 
/* main.c 1698: */"s"_asm_not^=L"ws" ) ^=,"s"1698 * >
/* main.c 1699: */
/* main.c 1700: */q
/* main.c 1701: */
/* main.c 1702: */
/* main.c 1703: */defined-> L{^= 
/* main.c 1704: */x )
/* main.c 1705: */ab "s" ) ::{ 
/* main.c 1706: */ab 	 
/* main.c 1707: */
/* main.c 1708: */Lname(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L!=::: 0x1F  
/* main.c 1709: */z |
/* main.c 1710: */x 
/* main.c 1711: */
/* main.c 1712: */q
/* main.c 1713: */
/* main.c 1714: */?*<  
/* main.c 1715: */ydefined__LINE__)( [||&& ] 
/* main.c 1716: */+= ^=)>%L"ws"
/* main.c 1717: */+= ( L"ws"&&x? ^= 
/* main.c 1718: */} LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<
/* main.c 1719: */x_asm_not{ 0x1F *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[-- += )"s"
/* main.c 1720: */+={ 
/* main.c 1721: */:>>  0x1F  <*|
/* main.c 1722: */
/* main.c 1723: */w 
/* main.c 1724: */ab  
/* main.c 1725: */== L'w'
/* main.c 1726: */'c' * 1
/* main.c 1727: */+=
/* main.c 1728: */<}<<=
/* main.c 1729: */
/* main.c 1730: */0x1F *_asm_not -- ?&& 
/* main.c 1731: */( 
/* main.c 1732: */
/* main.c 1733: */w||L 0x1F L"ws"+= || 
/* main.c 1734: */-
/* main.c 1735: */ >  12  ] , <<= -- ->:: +=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_delta ^= 	 , :: -
/* main.c 1736: */ > += {*%--
/* main.c 1737: */-> 1737~ 
/* main.c 1738: */
/* main.c 1739: */q
/* main.c 1740: */
/* main.c 1741: */->1==x+= -> 12  +=};{*~ ::::
/* main.c 1742: */x,int 
/* main.c 1743: */x += Lname 
/* main.c 1744: */
/* main.c 1745: */q
/* main.c 1746: */
/* main.c 1747: */; 'c'"s"
/* main.c 1748: */y
/* main.c 1749: */L==  += [
/* main.c 1750: */x    | 	 
/* main.c 1751: */defined:  >]( 
/* main.c 1752: */+=-
/* main.c 1753: */ > != ~ 
/* main.c 1754: */
/* main.c 1755: */
/* main.c 1756: */x -> 
/* main.c 1757: */Lname::Lname
/* main.c 1758: */,
/* main.c 1759: */~_asm_not 
/* main.c 1760: */
/* main.c 1761: */w 
/* main.c 1762: */y  ,*, 0x1F | L< alpha_beta_gamma_delta{intMalpha_beta_gamma_delta,  1 Lname :: 'c' % (
/* main.c 1763: */
/* main.c 1764: */-| alpha_beta_gamma_delta ? 
/* main.c 1765: */
/* main.c 1766: */q
/* main.c 1767: */
/* main.c 1768: */; , L"ws"~ ),->;  'c'<{>>
/* main.c 1769: */
/* main.c 1770: */x ==
/* main.c 1771: */
/* main.c 1772: */intx<Lname% +=    "s" -- 
/* main.c 1773: */xab; int__LINE__ 
/* main.c 1774: */
/* main.c 1775: */
/* main.c 1776: */__LINE__M | && <<=->[(?L"ws"? < L L"ws"*==
/* main.c 1777: */y ,<<=
/* main.c 1778: */y  == 1 "s" 0x1F 
/* main.c 1779: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x-
/* main.c 1780: */ > %|| 
/* main.c 1781: */x[ "s";
/* main.c 1782: */xL 'w' ?-->
/* main.c 1783: */y| 'c' 
/* main.c 1784: */--int < += 1784
/* main.c 1785: */&&>> L"ws"[ -
/* main.c 1786: */
/* main.c 1787: */w) * &&&
/* main.c 1788: */ab -- )	|
/* main.c 1789: */y != 
/* main.c 1790: */"s" && alpha_beta_gamma_deltaM ,
/* main.c 1791: */
/* main.c 1792: */w>> defined
/* main.c 1793: */
/* main.c 1794: */}^= "s" ,"s" ::+=  0x1F   0x1F 
/* main.c 1795: */
/* main.c 1796: */w> "s"::[ ~
/* main.c 1797: */z 
/* main.c 1798: */z>> ~"s" 'c' ,
/* main.c 1799: */
/* main.c 1800: */L'w'
/* main.c 1801: */
/* main.c 1802: */w+=L'w' ^= |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->defined<<=;)
/* main.c 1803: */*definedL "ws"
/* main.c 1804: */
/* main.c 1805: */^=_asm_not-
/* main.c 1806: */ > ,>>? ||
/* main.c 1807: */
/* main.c 1808: */q
/* main.c 1809: */
/* main.c 1810: */-
/* main.c 1811: */ >
/* main.c 1812: */
/* main.c 1813: */%* 
/* main.c 1814: */!=L'w' alpha_beta_gamma_deltadefined && 
/* main.c 1815: */xL 'w'
/* main.c 1816: */* &&<
/* main.c 1817: */x
/* main.c 1818: */!=-
/* main.c 1819: */ >
/* main.c 1820: */z} 
/* main.c 1821: */
/* main.c 1822: */w [ &Lname _asm_not 
/* main.c 1823: */1823== 
/* main.c 1824: */x^=
/* main.c 1825: */)]x ;int)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1 
/* main.c 1826: */ab==
/* main.c 1827: */y "s" L L"ws"
/* main.c 1828: */: != "s" 'c'L &? <<=
/* main.c 1829: */ab L"ws"?{ 
/* main.c 1830: */ab 1>> 
/* main.c 1831: */defined 0x1F 
/* main.c 1832: */
/* main.c 1833: */w ;) % &&Lname 
/* main.c 1834: */+= -> 
/* main.c 1835: */x 0x1F  ,L'w' ]
/* main.c 1836: */
/* main.c 1837: */
/* main.c 1838: */
/* main.c 1839: */--+=)
/* main.c 1840: */
/* main.c 1841: */q
/* main.c 1842: */
/* main.c 1843: */:> 'c' ;?L'c'{ L"ws"+= 
/* main.c 1844: */? <<= <<=L'w' 
/* main.c 1845: */~	  12   12  < +=>    
/* main.c 1846: */'c' alpha_beta_gamma_delta+= 12 >>-
/* main.c 1847: */ > 
/* main.c 1848: */ >[ L'w'	 L'w'  12 1848 -> L"ws"-- &  &&
/* main.c 1849: */y
/* main.c 1850: */'c'
/* main.c 1851: */x, ]
/* main.c 1852: */z LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ^=   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ] | alpha_beta_gamma_delta == - 
/* main.c 1853: */+="s" { - & ] 
/* main.c 1854: */
/* main.c 1855: */q
/* main.c 1856: */
/* main.c 1857: */x]< Lname != &&%- ; 
/* main.c 1858: */% ->( 1858 ==>>]
/* main.c 1859: */
/* main.c 1860: */-^=?   12  >> 
/* main.c 1861: */y }(
/* main.c 1862: */z }>>
/* main.c 1863: */z ;<<= * - _asm_not-- >>alpha_beta_gamma_delta 	    -
/* main.c 1864: */ >
/* main.c 1865: */L'w'-
/* main.c 1866: */+=int 
/* main.c 1867: */
/* main.c 1868: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ] alpha_beta_gamma_delta % Lname ?{x 12 
/* main.c 1869: */ab  ->>> 
/* main.c 1870: */[ 12 
/* main.c 1871: */*!=+=) &x;
/* main.c 1872: */
/* main.c 1873: */
/* main.c 1874: */ab__LINE__ 'c'
/* main.c 1875: */
/* main.c 1876: */q
/* main.c 1877: */
/* main.c 1878: */< : ] | L'w' : 	 ~] 'c' , L"ws"
/* main.c 1879: */y ?+= &alpha_beta_gamma_delta alpha_beta_gamma_delta&&(x 
/* main.c 1880: */_asm_not-
/* main.c 1881: */ >> ,   &&
/* main.c 1882: */x L"ws":[ ==
/* main.c 1883: */&&}>> [^= ?,  -- L"ws"
/* main.c 1884: */
/* main.c 1885: */q
/* main.c 1886: */
/* main.c 1887: */&& L'w'~
/* main.c 1888: */L"ws" ^=
/* main.c 1889: */; }alpha_beta_gamma_delta ;; 
/* main.c 1890: */z{ 
/* main.c 1891: */
/* main.c 1892: */'c'!=
/* main.c 1893: */, ^=
/* main.c 1894: */:
/* main.c 1895: */ab 12 ~} 0x1F  & 
/* main.c 1896: */
/* main.c 1897: */q
/* main.c 1898: */
/* main.c 1899: */< { 
/* main.c 1900: */
/* main.c 1901: */:: 
/* main.c 1902: */
/* main.c 1903: */wint () 
/* main.c 1904: */
/* main.c 1905: */q
/* main.c 1906: */
/* main.c 1907: */{
/* main.c 1908: */x-
/* main.c 1909: */ >LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *!= 'c' != LnameLname
/* main.c 1910: */+= int 'c' *
/* main.c 1911: */x__LINE__
/* main.c 1912: */
/* main.c 1913: */w && 	 
/* main.c 1914: */
/* main.c 1915: */q
/* main.c 1916: */
/* main.c 1917: */: 
/* main.c 1918: */
/* main.c 1919: */'c'||
/* main.c 1920: */ab 'c'] % 1920 L'w'* ]>>]    <<=%
/* main.c 1921: */y< &
/* main.c 1922: */-
/* main.c 1923: */ >!=1923  
/* main.c 1924: */x int 	  
/* main.c 1925: */ab
/* main.c 1926: */
/* main.c 1927: */q
/* main.c 1928: */
/* main.c 1929: */&&+=Lname==-
/* main.c 1930: */ >< 	 1 
/* main.c 1931: */
/* main.c 1932: */& "s"--
/* main.c 1933: */int--alpha_beta_gamma_delta defined ;
/* main.c 1934: */L
/* main.c 1935: */
/* main.c 1936: */ab_asm_not[
/* main.c 1937: */
/* main.c 1938: */w
/* main.c 1939: */
/* main.c 1940: */
/* main.c 1941: */w & > 0x1F <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1Lname L"ws")&& 
/* main.c 1942: */|| L'c' :: 
/* main.c 1943: */1943-- int
/* main.c 1944: */y__LINE__ & 
/* main.c 1945: */+=
/* main.c 1946: */
/* main.c 1947: */
/* main.c 1948: */wabLname    | { :;~ ==>~>{ & *<<=L"ws"   alpha_beta_gamma_delta,[_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1949: */+=
/* main.c 1950: */
/* main.c 1951: */
/* main.c 1952: */
/* main.c 1953: */q
/* main.c 1954: */
/* main.c 1955: */-- 12 
/* main.c 1956: */x  0x1F ( [ :: 
/* main.c 1957: */!=  
/* main.c 1958: */_asm_not L'w'+= ||- !=alpha_beta_gamma_delta %%;alpha_beta_gamma_delta -  'c'==
/* main.c 1959: */x 
/* main.c 1960: */x ? 
/* main.c 1961: */+= >%|-
/* main.c 1962: */ > %L"ws"==&&~[ <<=% L& ] :L'w' 
/* main.c 1963: */
/* main.c 1964: */abab int "s"definedLdefined
/* main.c 1965: */LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --
/* main.c 1966: */>> - | 'c'	 :+= L'w'
/* main.c 1967: */ab:
/* main.c 1968: */z>  0x1F  ?
/* main.c 1969: */
/* main.c 1970: */] & "s"_asm_not ~
/* main.c 1971: */,[
/* main.c 1972: */
/* main.c 1973: */q
/* main.c 1974: */
/* main.c 1975: */< 
/* main.c 1976: */
/* main.c 1977: */q
/* main.c 1978: */
/* main.c 1979: */==
/* main.c 1980: */1 %defined 12 -
/* main.c 1981: */ > _asm_not   } }Lname "s") { 
/* main.c 1982: */< defined>>	 L"ws"- ^=-
/* main.c 1983: */ > [  {
/* main.c 1984: */+=
/* main.c 1985: */
/* main.c 1986: */:: ::
/* main.c 1987: */y_asm_not<%LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 'c'{ 
/* main.c 1988: */y "s" == 
/* main.c 1989: */+=]--; &1989
/* main.c 1990: */z(,"s" ;intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 	 <);-> 
/* main.c 1991: */<<= == alpha_beta_gamma_delta <<= int_asm_not int;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-% ?]L ~ [
/* main.c 1992: */ab alpha_beta_gamma_delta
/* main.c 1993: */
/* main.c 1994: */
/* main.c 1995: */w
/* main.c 1996: */
/* main.c 1997: */
/* main.c 1998: */w  0x1F  +=: {   
/* main.c 1999: */+=}1999 Lname+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; ? += || alpha_beta_gamma_delta :L"ws" != _asm_not) ) 
/* main.c 2000: */
/* main.c 2001: */q
/* main.c 2002: */
/* main.c 2003: */!=L ==!= ^= L +=Lname
/* main.c 2004: */z 1   <<=< 'c'~   L"ws");	defined!= ;| 
/* main.c 2005: */{ 
/* main.c 2006: */+=&> 
/* main.c 2007: */12 x 
/* main.c 2008: */&&
/* main.c 2009: */]== 
/* main.c 2010: */int==
/* main.c 2011: */-
/* main.c 2012: */ >LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_deltaint -
/* main.c 2013: */ >> } ;|| 1== :: <<=
/* main.c 2014: */+=  alpha_beta_gamma_delta; | !=L 
/* main.c 2015: */
/* main.c 2016: */2016;
/* main.c 2017: */defined 2017?2017-
/* main.c 2018: */ >< &&;
/* main.c 2019: */z ->
/* main.c 2020: */y
/* main.c 2021: */_asm_not L'w' { 
/* main.c 2022: */zdefined ==  *
/* main.c 2023: */2023)]	: "s"?>>
/* main.c 2024: */zL 'w'
/* main.c 2025: */"s"->1<<=
/* main.c 2026: */z 2026   < intalpha_beta_gamma_delta & || Lname> -
/* main.c 2027: */ >1> 
/* main.c 2028: */+= )* - "s"'c' *L'w'L"ws" [*+=; ( )
/* main.c 2029: */ab>
/* main.c 2030: */
/* main.c 2031: */q
/* main.c 2032: */
/* main.c 2033: */
/* main.c 2034: */
/* main.c 2035: */0x1F  
/* main.c 2036: */x [
/* main.c 2037: */xx & 
/* main.c 2038: */
/* main.c 2039: */w-L'w'>!= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,*
/* main.c 2040: */> 12  ||
/* main.c 2041: */
/* main.c 2042: */
/* main.c 2043: */-
/* main.c 2044: */ ><<=x__LINE__<<= L"ws"!= || int _asm_not   ]  %
/* main.c 2045: */:: &
/* main.c 2046: */+= ->alpha_beta_gamma_delta * 
/* main.c 2047: */z&&-- :alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2048: */abL "ws" &
/* main.c 2049: */defined ?==>> , +=     :::^=)+= _asm_not 
/* main.c 2050: */x* defined== 
/* main.c 2051: */x&-
/* main.c 2052: */ >alpha_beta_gamma_delta ::L'w'{ % ^=defined* && ~||alpha_beta_gamma_delta ~:==
/* main.c 2053: */ab;]defined!= 
/* main.c 2054: */z defined ;1 -] defined )>> _asm_not 
/* main.c 2055: */
/* main.c 2056: */L'w' : !=
/* main.c 2057: */
/* main.c 2058: */q
/* main.c 2059: */
/* main.c 2060: */|| L'w'_asm_not    != L"ws"<  1 
/* main.c 2061: */
/* main.c 2062: */y(L"ws" int[L'w'-
/* main.c 2063: */ >; ;^= alpha_beta_gamma_deltaL "ws"::^='c'~
/* main.c 2064: */+=  12 
/* main.c 2065: */L'w' 
/* main.c 2066: */+=]"s"   ?1 ; _asm_not ==L{ --]
/* main.c 2067: */2067   	 L'w'L 
/* main.c 2068: */~L'w' *
/* main.c 2069: */+= 
/* main.c 2070: */!= (;
/* main.c 2071: */ab
/* main.c 2072: */L'w'| Lnamedefined  {] 
/* main.c 2073: */
/* main.c 2074: */q
/* main.c 2075: */
/* main.c 2076: */(Lname -> 
/* main.c 2077: */+=
/* main.c 2078: */
/* main.c 2079: */q
/* main.c 2080: */
/* main.c 2081: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --x%
/* main.c 2082: */> 
/* main.c 2083: */
/* main.c 2084: */y:1 [L 
/* main.c 2085: */
/* main.c 2086: */w  	alpha_beta_gamma_delta,  'c'-  ==
/* main.c 2087: */
/* main.c 2088: */!=->% alpha_beta_gamma_delta]|  ^= ;
/* main.c 2089: */y , &-: L'w' -
/* main.c 2090: */ > &&L"ws"-  --
/* main.c 2091: */;==-> "s":: MLname defined &&
/* main.c 2092: */*x) 
/* main.c 2093: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 'c'[
/* main.c 2094: */z^=int 12  alpha_beta_gamma_delta
/* main.c 2095: */int|
/* main.c 2096: */
/* main.c 2097: */w ?-
/* main.c 2098: */ >"s">>-> defined
/* main.c 2099: */
/* main.c 2100: */
/* main.c 2101: */| 
/* main.c 2102: */~ 2102
/* main.c 2103: */y { L
/* main.c 2104: */y== , ~ defined    <<= -> 
/* main.c 2105: */
/* main.c 2106: */x
/* main.c 2107: */y || (, Lname
/* main.c 2108: */
/* main.c 2109: */
/* main.c 2110: */wL "ws"-
/* main.c 2111: */ > 
/* main.c 2112: */+= ||int *_asm_not^=-
/* main.c 2113: */ > 
/* main.c 2114: */
/* main.c 2115: */^=>:: x	 	 L'w'  ---> 0x1F 
/* main.c 2116: */
/* main.c 2117: */q
/* main.c 2118: */
/* main.c 2119: */&& %<^= -  -
/* main.c 2120: */ > _asm_not^=
/* main.c 2121: */
/* main.c 2122: */q
/* main.c 2123: */
/* main.c 2124: */
/* main.c 2125: */
/* main.c 2126: */w{-
/* main.c 2127: */x
/* main.c 2128: */
/* main.c 2129: */q
/* main.c 2130: */
/* main.c 2131: */%{Lname }
/* main.c 2132: */
/* main.c 2133: */w& ?({ int-
/* main.c 2134: */ab
/* main.c 2135: */y 	  0x1F ^=
/* main.c 2136: */
/* main.c 2137: */^= 'c'(- ,
/* main.c 2138: */
/* main.c 2139: */<+=
/* main.c 2140: */y xalpha_beta_gamma_delta  12   12  ] 
/* main.c 2141: */
/* main.c 2142: */w[ _asm_not&& -
/* main.c 2143: */ >  == 
/* main.c 2144: */
/* main.c 2145: */::intalpha_beta_gamma_deltadefined 
/* main.c 2146: */]::::
/* main.c 2147: */
/* main.c 2148: */w
/* main.c 2149: */)L 'c' 
/* main.c 2150: */^= 
/* main.c 2151: */abalpha_beta_gamma_delta  L"ws" +=
/* main.c 2152: */^=)  0x1F 1 ~  ^= L"ws" 
/* main.c 2153: */ab 
/* main.c 2154: */
/* main.c 2155: */w~
/* main.c 2156: */
/* main.c 2157: */||L ~&& [ * 0x1F L
/* main.c 2158: */int [ 	 ?2158 } -L"s"_asm_not  
/* main.c 2159: */ab   --:defined<Lname-> Lname {
/* main.c 2160: */+= :: L"ws" )
/* main.c 2161: */
/* main.c 2162: */w L x :   +=>>- %  ]
/* main.c 2163: */
/* main.c 2164: */w ->int{[	-x( ] 
/* main.c 2165: */? == "s" 
/* main.c 2166: */- 
/* main.c 2167: */+=) {~- ~ 
/* main.c 2168: */ab
/* main.c 2169: */z>^= ( 'c'2169-
/* main.c 2170: */ ><<=Lname) 
/* main.c 2171: */abM{ ) 	2171- 
/* main.c 2172: */
/* main.c 2173: */q
/* main.c 2174: */
/* main.c 2175: */12 "s"
/* main.c 2176: */x ( 0x1F 'c'
/* main.c 2177: */x	alpha_beta_gamma_delta
/* main.c 2178: */x( > 2178{-> 'c' 12 ==] _asm_not__LINE__<
/* main.c 2179: */definedLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[&&x} 	
/* main.c 2180: */y 'c'
/* main.c 2181: */[ alpha_beta_gamma_delta >x
/* main.c 2182: */
/* main.c 2183: */w>>
/* main.c 2184: */z!=L"ws" % LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2185: */y +=* 12 
/* main.c 2186: */z&&--] 
/* main.c 2187: */
/* main.c 2188: */q
/* main.c 2189: */
/* main.c 2190: */[ ) MintM 
/* main.c 2191: */
/* main.c 2192: */q
/* main.c 2193: */
/* main.c 2194: */> 
/* main.c 2195: */z[& * -- =='c'>
/* main.c 2196: */+=L*  12  -> _asm_not "s" "s" ==,L"ws"int x L"ws"	L"ws"
/* main.c 2197: */<<=
/* main.c 2198: */>~ 
/* main.c 2199: */
/* main.c 2200: */y||int -==&> "s" 
/* main.c 2201: */
/* main.c 2202: */q
/* main.c 2203: */
/* main.c 2204: */>>
/* main.c 2205: */^=<<= 'c' 
/* main.c 2206: */
/* main.c 2207: */
/* main.c 2208: */q
/* main.c 2209: */
/* main.c 2210: */1 >> { ->  0x1F | 
/* main.c 2211: */ab? L
/* main.c 2212: */}
/* main.c 2213: */< L'w'  12 
/* main.c 2214: */:
/* main.c 2215: */ab L"ws" |,->
/* main.c 2216: */z 'c'? [L'w'defined &
/* main.c 2217: */+= "s" | -
/* main.c 2218: */ > 
/* main.c 2219: */
/* main.c 2220: */q
/* main.c 2221: */
/* main.c 2222: */[  >> 1% _asm_not_asm_not "s"
/* main.c 2223: */+=+=int 
/* main.c 2224: */x] 'c'-> 
/* main.c 2225: */
/* main.c 2226: */"s" *::|->
/* main.c 2227: */
/* main.c 2228: */w>   +=!= defined
/* main.c 2229: */
/* main.c 2230: */q
/* main.c 2231: */
/* main.c 2232: */defined != -
/* main.c 2233: */ >* _asm_notL
/* main.c 2234: */
/* main.c 2235: */w 
/* main.c 2236: */:| defined 1=='c'::defined   12  
/* main.c 2237: */L'w';LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1ML-
/* main.c 2238: */ > | {^= -defined  L
/* main.c 2239: */- , ) ||
/* main.c 2240: */
/* main.c 2241: */;| >> L -
/* main.c 2242: */ >  0x1F  )	> 
/* main.c 2243: */
/* main.c 2244: */ab
/* main.c 2245: */Lname  !=
/* main.c 2246: */
/* main.c 2247: */q
/* main.c 2248: */
/* main.c 2249: */
/* main.c 2250: */L)>&&
/* main.c 2251: */0x1F ~~ ->
/* main.c 2252: */alpha_beta_gamma_delta ,   
/* main.c 2253: */x _asm_not
/* main.c 2254: */yLname 'c' xL 'w' > 
/* main.c 2255: */
/* main.c 2256: */L"ws" 
/* main.c 2257: */y   
/* main.c 2258: */x< > ~&& != }
/* main.c 2259: */ab >>
/* main.c 2260: */y defined -- 	 
/* main.c 2261: */z
/* main.c 2262: */z::
/* main.c 2263: */int 1 || {==
/* main.c 2264: */- Lname|| ; ( [ "s"
/* main.c 2265: */
/* main.c 2266: */q
/* main.c 2267: */
/* main.c 2268: */!= ~; != && -
/* main.c 2269: */ >; ?] 0x1F  _asm_not 1] 1;x   'c'
/* main.c 2270: */z
/* main.c 2271: */+= 
/* main.c 2272: */ab += &&~  0x1F  ]== L'w' -
/* main.c 2273: */
/* main.c 2274: */q
/* main.c 2275: */
/* main.c 2276: */<<=(  "s"  ?2276
/* main.c 2277: */+= 1 =='c' 1'c'[Lname & 
/* main.c 2278: */x 0x1F  
/* main.c 2279: */z 	
/* main.c 2280: */+= 12  --]!= 
/* main.c 2281: */ab )LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2282: */LL"ws" 
/* main.c 2283: */ab-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,( 
/* main.c 2284: */
/* main.c 2285: */-- 
/* main.c 2286: */
/* main.c 2287: */
/* main.c 2288: */ab) int   
/* main.c 2289: */
/* main.c 2290: */q
/* main.c 2291: */
/* main.c 2292: */int|: , defined "s",:: ( 	*; x& {[ 12 x 'c'
/* main.c 2293: */&1
/* main.c 2294: */+=
/* main.c 2295: */
/* main.c 2296: */q
/* main.c 2297: */
/* main.c 2298: */
/* main.c 2299: */
/* main.c 2300: */xab->Lalpha_beta_gamma_delta[-> <<=x_asm_not
/* main.c 2301: */"s"-
/* main.c 2302: */x>:; 
/* main.c 2303: */Mab  ) 
/* main.c 2304: */x ?<<= 
/* main.c 2305: */: 
/* main.c 2306: */*
/* main.c 2307: */-
/* main.c 2308: */ > 
/* main.c 2309: */
/* main.c 2310: */q
/* main.c 2311: */
/* main.c 2312: */|| 
/* main.c 2313: */ab 1"s" ^= "s"L'w' 
/* main.c 2314: */+= , ::   0x1F   L'w':: ? ; ::defined LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 2315: */ >L }--&& | <<=
/* main.c 2316: */x 
/* main.c 2317: */ab ==]
/* main.c 2318: */z ]]  12 < ]
/* main.c 2319: */Lname %
/* main.c 2320: */ab Lnamedefined += { ->- (* *"s"> 
/* main.c 2321: */
/* main.c 2322: */z 
/* main.c 2323: */>'c'	-  --	 x 2323(== , } 
/* main.c 2324: */== {{?( 
/* main.c 2325: */intab +=intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x 
/* main.c 2326: */
/* main.c 2327: */w %<<= ; ,: L'w' <
/* main.c 2328: */
/* main.c 2329: */q
/* main.c 2330: */
/* main.c 2331: */1& += 
/* main.c 2332: */abL 'w' -
/* main.c 2333: */ > -
/* main.c 2334: */ > != <
/* main.c 2335: */{ ; 12 ]::==]L_asm_not:: *<   :L _asm_not 12 ~<<= 1&&{ 
/* main.c 2336: */+= 
/* main.c 2337: */defined->
/* main.c 2338: */z& x 
/* main.c 2339: */-- :: 'c'^= }L"ws"[:~ ^= ?& <
/* main.c 2340: */x "s"
/* main.c 2341: */
/* main.c 2342: */>, "s" L'w' ) 
/* main.c 2343: */ab | 
/* main.c 2344: */
/* main.c 2345: */ ||Lnamedefined 'c'L'w' &	x "s", >>-
/* main.c 2346: */ >&&	~>
/* main.c 2347: */
/* main.c 2348: */q
/* main.c 2349: */
/* main.c 2350: */<<=+= LLname~ 
/* main.c 2351: */
/* main.c 2352: */w== defined Lname ( ->-
/* main.c 2353: */ > %  0x1F _asm_not defined 
/* main.c 2354: */
/* main.c 2355: */w
/* main.c 2356: */z 
/* main.c 2357: */
/* main.c 2358: */q
/* main.c 2359: */
/* main.c 2360: */==
/* main.c 2361: */
/* main.c 2362: */) L ;1
/* main.c 2363: */~
/* main.c 2364: */
/* main.c 2365: */
/* main.c 2366: */1 ? >
/* main.c 2367: */
/* main.c 2368: */'c')1
/* main.c 2369: */y)== ~)
/* main.c 2370: */
/* main.c 2371: */q
/* main.c 2372: */
/* main.c 2373: */
/* main.c 2374: */z L
/* main.c 2375: */
/* main.c 2376: */
/* main.c 2377: */q
/* main.c 2378: */
/* main.c 2379: */L"ws";
/* main.c 2380: */x alpha_beta_gamma_delta& defined+= ^=
/* main.c 2381: */z-
/* main.c 2382: */&& ~ Lname--'c'- &||alpha_beta_gamma_deltaL
/* main.c 2383: */z _asm_not <<=[L - 
/* main.c 2384: */z  0x1F < 
/* main.c 2385: */
/* main.c 2386: */q
/* main.c 2387: */
/* main.c 2388: */12  < :   } L _asm_not x - 1-  	 ->-
/* main.c 2389: */ >==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2390: */z % ;&&
/* main.c 2391: */y,  -
/* main.c 2392: */ >-
/* main.c 2393: */ >== })[    <<=defined 
/* main.c 2394: */~ 
/* main.c 2395: */defined&&%L"ws"_asm_not <<= >> ->L"ws"L<::
/* main.c 2396: */alpha_beta_gamma_delta|| % :?
/* main.c 2397: */L'w' 	-
/* main.c 2398: */ >alpha_beta_gamma_delta 
/* main.c 2399: */2399~"s" {<    ==| 
/* main.c 2400: */
/* main.c 2401: */q
/* main.c 2402: */
/* main.c 2403: */}}
/* main.c 2404: */
/* main.c 2405: */q
/* main.c 2406: */
/* main.c 2407: */
/* main.c 2408: */2408
/* main.c 2409: */
/* main.c 2410: */& ->
/* main.c 2411: */+= <<=
/* main.c 2412: */
/* main.c 2413: */w 
/* main.c 2414: */
/* main.c 2415: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1, |& 
/* main.c 2416: */
/* main.c 2417: */
/* main.c 2418: */w-
/* main.c 2419: */ >}--int 
/* main.c 2420: */
/* main.c 2421: */q
/* main.c 2422: */
/* main.c 2423: */12 >> int--
/* main.c 2424: */
/* main.c 2425: */[L'w'L"ws" < MM%
/* main.c 2426: */ab->   &&<: 	 += 
/* main.c 2427: */
/* main.c 2428: */q
/* main.c 2429: */
/* main.c 2430: */&&|-
/* main.c 2431: */ >1
/* main.c 2432: */
/* main.c 2433: */ydefined ->]: 1 Lnamedefined-> %L'w' >L  alpha_beta_gamma_delta
/* main.c 2434: */
/* main.c 2435: */wL ?	^= int( }-<<=  != 
/* main.c 2436: */>> ?L'w'
/* main.c 2437: */
/* main.c 2438: */q
/* main.c 2439: */
/* main.c 2440: */
/* main.c 2441: */+= 
/* main.c 2442: */x->-  >>* -
/* main.c 2443: */ >]1 L * ? 
/* main.c 2444: */
/* main.c 2445: */q
/* main.c 2446: */
/* main.c 2447: */L'w'1; 'c':: 
/* main.c 2448: */+= ~ 
/* main.c 2449: */y 
/* main.c 2450: */x} 
/* main.c 2451: */[ Lname; L'w'::>>, 
/* main.c 2452: */
/* main.c 2453: */w&
/* main.c 2454: */
/* main.c 2455: */;
/* main.c 2456: */x [ 
/* main.c 2457: */==)<<=
/* main.c 2458: */
/* main.c 2459: */( >>	  12  
/* main.c 2460: */
/* main.c 2461: */w- ^=^=  0x1F  <x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=!=x-
/* main.c 2462: */ >
/* main.c 2463: */-
/* main.c 2464: */ >alpha_beta_gamma_delta "s"1 
/* main.c 2465: */
/* main.c 2466: */
/* main.c 2467: */z 
/* main.c 2468: */y -- 	 
/* main.c 2469: */
/* main.c 2470: */12 'c'  12 	 ;
/* main.c 2471: */
/* main.c 2472: */12  x ] && 
/* main.c 2473: */&
/* main.c 2474: */ab ->Lname -;	 "s" "s"
/* main.c 2475: */== 	(% 0x1F , 1
/* main.c 2476: */x
/* main.c 2477: */) ->L'w' 
/* main.c 2478: */&&-- : |-
/* main.c 2479: */% >>
/* main.c 2480: */+= <<=
/* main.c 2481: */L'w'   'c'>> -
/* main.c 2482: */ >_asm_not 'c'2482]
/* main.c 2483: */+= -- 
/* main.c 2484: */z
/* main.c 2485: */z-2485% 0x1F 
/* main.c 2486: */
/* main.c 2487: */defined 
/* main.c 2488: */y , 
/* main.c 2489: */
/* main.c 2490: */Lname- ?alpha_beta_gamma_delta[[>> {>
/* main.c 2491: */Lab ==|}	--- +=;^= 
/* main.c 2492: */--
/* main.c 2493: */><<=*   
/* main.c 2494: */
/* main.c 2495: */w
/* main.c 2496: */
/* main.c 2497: */w:  
/* main.c 2498: */y^=+=
/* main.c 2499: */+=
/* main.c 2500: */z 
/* main.c 2501: */z ) 
/* main.c 2502: */defined definedLname :: 
/* main.c 2503: */x
/* main.c 2504: */+=== >::  	<
/* main.c 2505: */L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= %&& ?==  1 ]
/* main.c 2506: */
/* main.c 2507: */--
/* main.c 2508: */+=|| ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,+=-> 
/* main.c 2509: */ab alpha_beta_gamma_delta 1==--: >  >> 0x1F  ^=[intLname -> -defined 
/* main.c 2510: */yLname != int 
/* main.c 2511: */-<<=-
/* main.c 2512: */ab    2512-
/* main.c 2513: */ab ]  12  -> ::_asm_not 
/* main.c 2514: */ab ) -> * 
/* main.c 2515: */-
/* main.c 2516: */ > == MLname
/* main.c 2517: */
/* main.c 2518: */
/* main.c 2519: */+= <<=L"ws"^= Lname :<<=
/* main.c 2520: */; &&defined 
/* main.c 2521: */]Lname
/* main.c 2522: */+=
/* main.c 2523: */x!=*% L"ws" -- 
/* main.c 2524: */-;~ %_asm_not& _asm_not: }
/* main.c 2525: */x 
/* main.c 2526: */
/* main.c 2527: */w alpha_beta_gamma_delta ] , "s"|+= != 0x1F  
/* main.c 2528: */ab ; int {
/* main.c 2529: */0x1F  ~ > 
/* main.c 2530: */-><<=
/* main.c 2531: */+= [)|| 
/* main.c 2532: */< int > 
/* main.c 2533: */z
/* main.c 2534: */
/* main.c 2535: */q
/* main.c 2536: */
/* main.c 2537: */
/* main.c 2538: */
/* main.c 2539: */q
/* main.c 2540: */
/* main.c 2541: */alpha_beta_gamma_delta
/* main.c 2542: */y%>>
/* main.c 2543: */
/* main.c 2544: */w "s"||
/* main.c 2545: */
/* main.c 2546: */]  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not ?L'w'|| , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
/* main.c 2547: */2547* ::L'w' ? >:!=!= __LINE__L "ws" 12  "s" 0x1F 'c' 12 ->"s">>  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --)_asm_not
/* main.c 2548: */'c'% 
/* main.c 2549: */z% 
/* main.c 2550: */!=xLnamedefined% }->-
/* main.c 2551: */ >
/* main.c 2552: */
/* main.c 2553: */Lname	^= _asm_not 
/* main.c 2554: */,
/* main.c 2555: */
/* main.c 2556: */|
/* main.c 2557: */y ]int "s" |	Lnamedefined?<int||>> ( int &&( <<=,, 
/* main.c 2558: */+=
/* main.c 2559: */y 12 ) 
/* main.c 2560: */1 
/* main.c 2561: */_asm_notalpha_beta_gamma_delta (xalpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1--
/* main.c 2562: */||  12  -LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1{[L'w'->+=
/* main.c 2563: */z
/* main.c 2564: */
/* main.c 2565: */
/* main.c 2566: */+=defined&&: ->]
/* main.c 2567: */!= )]  0x1F 
/* main.c 2568: */x& 0x1F  ~     
/* main.c 2569: */y
/* main.c 2570: */z-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1||  0x1F !=>*   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined^= <<= < 
/* main.c 2571: */y 
/* main.c 2572: */z{ 
/* main.c 2573: */+= ::1 --
/* main.c 2574: */
/* main.c 2575: */q
/* main.c 2576: */
/* main.c 2577: */-- 	 ( -
/* main.c 2578: */ > LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 12 ( 
/* main.c 2579: */y ) _asm_not  defined ;|  == > L'w' "s"
/* main.c 2580: */
/* main.c 2581: */+= +=&& defined ^=?intL "ws"== **  0x1F  && %
/* main.c 2582: */ ==
/* main.c 2583: */--
/* main.c 2584: */x <<= )-- ::*L"ws" -< _asm_not L'w' 
/* main.c 2585: */y-
/* main.c 2586: */ > 1 ) : ;alpha_beta_gamma_delta 'c'< 0x1F  12  > |
/* main.c 2587: */L'w' alpha_beta_gamma_delta<<=defined
/* main.c 2588: */
/* main.c 2589: */q
/* main.c 2590: */
/* main.c 2591: */<<= Lname {;'c' Lname ~== 
/* main.c 2592: */
/* main.c 2593: */w
/* main.c 2594: */%&    L: == % 
/* main.c 2595: */x 0x1F L'w' L'w' 
/* main.c 2596: */+=defined
/* main.c 2597: */x 
/* main.c 2598: */
/* main.c 2599: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2600: */z x 12 
/* main.c 2601: */
/* main.c 2602: */w 
/* main.c 2603: */
/* main.c 2604: */q
/* main.c 2605: */
/* main.c 2606: */
/* main.c 2607: */-> 12   
/* main.c 2608: */x_asm_notL "ws"  L int |~]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2609: */x :
/* main.c 2610: */<<=  0x1F |defined :: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ~, (}-Lname -; ==, int
/* main.c 2611: */
/* main.c 2612: */q
/* main.c 2613: */
/* main.c 2614: */+=|'c' *  0x1F 2614 
/* main.c 2615: */:Malpha_beta_gamma_delta ||==  ->Lname alpha_beta_gamma_delta-!= _asm_not :  
/* main.c 2616: */?|| "s"
/* main.c 2617: */
/* main.c 2618: */
/* main.c 2619: */q
/* main.c 2620: */
/* main.c 2621: */
/* main.c 2622: */
/* main.c 2623: */|   
/* main.c 2624: */ab
/* main.c 2625: */?Lname &&{{ 
/* main.c 2626: */
/* main.c 2627: */w , ->   
/* main.c 2628: */z ~x 
/* main.c 2629: */int]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1?
/* main.c 2630: */_asm_not^= ; {
/* main.c 2631: */
/* main.c 2632: */z , 	; > 
/* main.c 2633: */
/* main.c 2634: */q
/* main.c 2635: */
/* main.c 2636: */||
/* main.c 2637: */
/* main.c 2638: */
/* main.c 2639: */x  += [ 
/* main.c 2640: */||  ^=ML 	[  12 ||int 
/* main.c 2641: */zint~>> 
/* main.c 2642: */z+=int<<=alpha_beta_gamma_delta
/* main.c 2643: */'c'L'w'L- 12  , : 
/* main.c 2644: */z:: 
/* main.c 2645: */x
/* main.c 2646: */% 1 0x1F  _asm_not 
/* main.c 2647: */+= --,   alpha_beta_gamma_delta__LINE__]]	::, ) 
/* main.c 2648: */ab 
/* main.c 2649: */y( x<<=  0x1F 
/* main.c 2650: */y
/* main.c 2651: */
/* main.c 2652: */w   :: "s"==: 
/* main.c 2653: */x__LINE__% * &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1}-> )&&__LINE__int alpha_beta_gamma_delta{-- ,
/* main.c 2654: */~ ~[)
/* main.c 2655: */
/* main.c 2656: */q
/* main.c 2657: */
/* main.c 2658: */
/* main.c 2659: */
/* main.c 2660: */,}Lname ::&&int -
/* main.c 2661: */ >!= <
/* main.c 2662: */%*
/* main.c 2663: */{L"ws"
/* main.c 2664: */ab| ~-- +=^= 
/* main.c 2665: */z__LINE__ int--{ defined 
/* main.c 2666: */xdefined+= 
/* main.c 2667: */Mab_asm_not( &
/* main.c 2668: */
/* main.c 2669: */w[}-
/* main.c 2670: */ > -
/* main.c 2671: */ >
/* main.c 2672: */,int-> 
/* main.c 2673: */x 
/* main.c 2674: */y ) Lname|%   12 == 'c'<^=alpha_beta_gamma_delta 
/* main.c 2675: */?^=-- :|"s"%<<= <>>1 
/* main.c 2676: */||
/* main.c 2677: */
/* main.c 2678: */q
/* main.c 2679: */
/* main.c 2680: */%
/* main.c 2681: */}-> {|| &&'c', 
/* main.c 2682: */
/* main.c 2683: */~ [ _asm_not~%|&&LnameL _asm_not
/* main.c 2684: */
/* main.c 2685: */} 
/* main.c 2686: */z 1-
/* main.c 2687: */ > 
/* main.c 2688: */12  defined  
/* main.c 2689: */
/* main.c 2690: */w 'c' ==->==
/* main.c 2691: */+=L'w'
/* main.c 2692: */]>>x 0x1F  -> _asm_not int >>^= 
/* main.c 2693: */
/* main.c 2694: */
/* main.c 2695: */
/* main.c 2696: */q
/* main.c 2697: */
/* main.c 2698: */||:::: 
/* main.c 2699: */ab 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not
/* main.c 2700: */(
/* main.c 2701: */
/* main.c 2702: */0x1F  >>
/* main.c 2703: */y -> ==&&&) -- ;~
/* main.c 2704: */
/* main.c 2705: */q
/* main.c 2706: */
/* main.c 2707: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- [ == "s"x "s" "s"?-
/* main.c 2708: */ >- 0x1F  
/* main.c 2709: */? : 
/* main.c 2710: */+=-"s" 
/* main.c 2711: */"s"
/* main.c 2712: */x+= 
/* main.c 2713: */
/* main.c 2714: */wint||    :
/* main.c 2715: */+="s"L 'c'"s"
/* main.c 2716: */+=
/* main.c 2717: */% 
/* main.c 2718: */|| 
/* main.c 2719: */
/* main.c 2720: */w; 	 12  <defined
/* main.c 2721: */)- ;
/* main.c 2722: */
/* main.c 2723: */w MLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2724: */
/* main.c 2725: */_asm_not	 -
/* main.c 2726: */z   alpha_beta_gamma_delta+=_asm_not
/* main.c 2727: */
/* main.c 2728: */x >> 
/* main.c 2729: */ab]|| int
/* main.c 2730: */? ||< -
/* main.c 2731: */ >
/* main.c 2732: */zL'w'&&>>&&+= _asm_not ]== 
/* main.c 2733: */x--  int 'c'> L"ws"
/* main.c 2734: */
/* main.c 2735: */+= (
/* main.c 2736: */
/* main.c 2737: */q
/* main.c 2738: */
/* main.c 2739: */Lname<<=-
/* main.c 2740: */ > -- 
/* main.c 2741: */x
/* main.c 2742: */
/* main.c 2743: */wLname
/* main.c 2744: */
/* main.c 2745: */q
/* main.c 2746: */
/* main.c 2747: */
/* main.c 2748: */z  0x1F 
/* main.c 2749: */+= += _asm_not 12  <&[
/* main.c 2750: */
/* main.c 2751: */&&^=)  L"ws"
/* main.c 2752: */
/* main.c 2753: */L =='c' ] +=L
/* main.c 2754: */xL %
/* main.c 2755: */&&Lname->? 
/* main.c 2756: */{LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 _asm_not &&?|? ? == <"s"%| *
/* main.c 2757: */~ ;:: [
/* main.c 2758: */+= > ] %(Lname__LINE__ 12  >>: ] alpha_beta_gamma_delta int ? 
/* main.c 2759: */z
/* main.c 2760: */x  x }
/* main.c 2761: */
/* main.c 2762: */q
/* main.c 2763: */
/* main.c 2764: */|
/* main.c 2765: */0x1F    
/* main.c 2766: */+= _asm_not% ] -int ~int-
/* main.c 2767: */ > 	
/* main.c 2768: */&&x  ==
/* main.c 2769: */z 'c' int*> += >
/* main.c 2770: */y 0x1F  
/* main.c 2771: */y& {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; 
/* main.c 2772: */
/* main.c 2773: */q
/* main.c 2774: */
/* main.c 2775: */L"ws"<:: <<=Lname ]"s" !=  0x1F  
/* main.c 2776: */
/* main.c 2777: */q
/* main.c 2778: */
/* main.c 2779: */{ 
/* main.c 2780: */
/* main.c 2781: */w 
/* main.c 2782: */z -&&<
/* main.c 2783: */
/* main.c 2784: */w %  0x1F  != 	 ) 
/* main.c 2785: */->
/* main.c 2786: */ab ::   L"ws"<<= <<= } == 
/* main.c 2787: */
/* main.c 2788: */||? xL "ws"
/* main.c 2789: */
/* main.c 2790: */w &|  == ]"s"!= 
/* main.c 2791: */
/* main.c 2792: */w 
/* main.c 2793: */~
/* main.c 2794: */
/* main.c 2795: */alpha_beta_gamma_delta
/* main.c 2796: */12  x -- += 
/* main.c 2797: */
/* main.c 2798: */0x1F  1 ;2798,L>>==( ->LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1::==
/* main.c 2799: */ab, >> ; L"ws" :
/* main.c 2800: */
/* main.c 2801: */q
/* main.c 2802: */
/* main.c 2803: */==  12  ==
/* main.c 2804: */+=alpha_beta_gamma_delta
/* main.c 2805: */
/* main.c 2806: */ab && !=--
/* main.c 2807: */"s"  ML 'w'>> [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+=::L'w'
/* main.c 2808: */
/* main.c 2809: */q
/* main.c 2810: */
/* main.c 2811: */^= 
/* main.c 2812: */
/* main.c 2813: */<
/* main.c 2814: */alpha_beta_gamma_delta%   
/* main.c 2815: */!= {_asm_not
/* main.c 2816: */
/* main.c 2817: */q
/* main.c 2818: */
/* main.c 2819: */
/* main.c 2820: */z x)_asm_notM _asm_not :&&    } ,L'w' }^= - 
/* main.c 2821: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__LINE__~[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= "s" 
/* main.c 2822: */alpha_beta_gamma_deltaL 'w' --
/* main.c 2823: */
/* main.c 2824: */>> 
/* main.c 2825: */
/* main.c 2826: */q
/* main.c 2827: */
/* main.c 2828: */|L ] <<=&L"ws">> 12 
/* main.c 2829: */||
/* main.c 2830: */x
/* main.c 2831: */+=alpha_beta_gamma_delta -
/* main.c 2832: */ >:
/* main.c 2833: */z-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  
/* main.c 2834: */
/* main.c 2835: */<<=>'c'
/* main.c 2836: */defined
/* main.c 2837: */yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c' 
/* main.c 2838: */x,( != x 1 %
/* main.c 2839: */ab alpha_beta_gamma_delta ]  0x1F  ->alpha_beta_gamma_delta
/* main.c 2840: */alpha_beta_gamma_delta | & defined (int%;::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2841: */
/* main.c 2842: */yab,)
/* main.c 2843: */
/* main.c 2844: */q
/* main.c 2845: */
/* main.c 2846: */::  
/* main.c 2847: */"s" {
/* main.c 2848: */
/* main.c 2849: */q
/* main.c 2850: */
/* main.c 2851: */->
/* main.c 2852: */
/* main.c 2853: */w] !=  12  _asm_not   [ ;) [:: 
/* main.c 2854: */
/* main.c 2855: */int
/* main.c 2856: */+=int -
/* main.c 2857: */ >[ 
/* main.c 2858: */
/* main.c 2859: */zab&&
/* main.c 2860: */
/* main.c 2861: */||:? -~ -
/* main.c 2862: */x
/* main.c 2863: */y
/* main.c 2864: */x^=
/* main.c 2865: */y)x?L L"ws"--== _asm_not
/* main.c 2866: */z  0x1F 
/* main.c 2867: */{--) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2868: */x
/* main.c 2869: */
/* main.c 2870: */,<<= 
/* main.c 2871: */y> - _asm_not-
/* main.c 2872: */ > L"ws" ::{
/* main.c 2873: */
/* main.c 2874: */q
/* main.c 2875: */
/* main.c 2876: */L ;	2876| 
/* main.c 2877: */x  12 && :: 2877[  12  'c'||:L'w'  12 "s"
/* main.c 2878: */+=, ? [
/* main.c 2879: */x
/* main.c 2880: */}% 
/* main.c 2881: */
/* main.c 2882: */w+=( 
/* main.c 2883: */ab , 
/* main.c 2884: */
/* main.c 2885: */q
/* main.c 2886: */
/* main.c 2887: */12 
/* main.c 2888: */
/* main.c 2889: */q
/* main.c 2890: */
/* main.c 2891: */|< } 0x1F   _asm_notL 'w'] x]
/* main.c 2892: */
/* main.c 2893: */y [: , * < 
/* main.c 2894: */
/* main.c 2895: */y
/* main.c 2896: */
/* main.c 2897: */q
/* main.c 2898: */
/* main.c 2899: */: alpha_beta_gamma_delta && >>{ !=	alpha_beta_gamma_delta "s"
/* main.c 2900: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x "s"-L'w'L+=
/* main.c 2901: */
/* main.c 2902: */+=2902 12  <>>>_asm_not 
/* main.c 2903: */+=
/* main.c 2904: */== >> 2904 : 
/* main.c 2905: */+=== 	  ||* | ?defined
/* main.c 2906: */
/* main.c 2907: */'c'}+= ->{	L"ws"  0x1F  defined 'c' ->
/* main.c 2908: */
/* main.c 2909: */w, <<=[alpha_beta_gamma_delta 2909    || 12 &"s" 
/* main.c 2910: */+=
/* main.c 2911: */
/* main.c 2912: */::-
/* main.c 2913: */ >
/* main.c 2914: */int] :|| }&, 
/* main.c 2915: */
/* main.c 2916: */L'w' ->-> 'c'&& < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{ ( 
/* main.c 2917: */ab 
/* main.c 2918: */y "s"&&alpha_beta_gamma_delta-> 	  ( 
/* main.c 2919: */ab&&
/* main.c 2920: */y^=<<= 1> --__LINE__L 'w' 
/* main.c 2921: */
/* main.c 2922: */-
/* main.c 2923: */ >&&1 ) 'c''c'
/* main.c 2924: */} L _asm_not&&*x> 
/* main.c 2925: */+=L |L'w' 
/* main.c 2926: */&L"ws"
/* main.c 2927: */
/* main.c 2928: */12 ) ->1>> 	
/* main.c 2929: */ab & >> ? 'c' +=&&]-int % 	 
/* main.c 2930: */y||>
/* main.c 2931: */|
/* main.c 2932: */x!= ?~+=
/* main.c 2933: */
/* main.c 2934: */q
/* main.c 2935: */
/* main.c 2936: */
/* main.c 2937: */
/* main.c 2938: */x [ -> } <<=-
/* main.c 2939: */ > ::
/* main.c 2940: */
/* main.c 2941: */z>> ^= 
/* main.c 2942: */
/* main.c 2943: */q
/* main.c 2944: */
/* main.c 2945: */)&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2946: */
/* main.c 2947: */yx :defined 
/* main.c 2948: */y * L &  Lname->
/* main.c 2949: */
/* main.c 2950: */x &&int ]>> -
/* main.c 2951: */ > 'c' ^= 
/* main.c 2952: */x:: L'w' 
/* main.c 2953: */abdefined| int 
/* main.c 2954: */== 12 - *L , == :: 12 }L"ws"
/* main.c 2955: */
/* main.c 2956: */
/* main.c 2957: */*%
/* main.c 2958: */
/* main.c 2959: */ab 12 >
/* main.c 2960: */
/* main.c 2961: */w 
/* main.c 2962: */x:
/* main.c 2963: */^=+= ~ )L'w'[L"ws" <->?;&& int 12  
/* main.c 2964: */
/* main.c 2965: */w^=>>x <
/* main.c 2966: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M [&& int
/* main.c 2967: */
/* main.c 2968: */12    LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LL 'w'|< 
/* main.c 2969: */- 2969 <<= L"ws", L ~&
/* main.c 2970: */z 
/* main.c 2971: */
/* main.c 2972: */q
/* main.c 2973: */
/* main.c 2974: */alpha_beta_gamma_deltaM ~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0x1F  && L'w' 
/* main.c 2975: */
/* main.c 2976: */}L'w'~ ^=
/* main.c 2977: */!={-&&<
/* main.c 2978: */z   ~ (&&
/* main.c 2979: */
/* main.c 2980: */q
/* main.c 2981: */
/* main.c 2982: */% |
/* main.c 2983: */
/* main.c 2984: */w&?-
/* main.c 2985: */ >2985%
/* main.c 2986: */x -
/* main.c 2987: */ >
/* main.c 2988: */L'w'<-{ <alpha_beta_gamma_delta~[ != ?&
/* main.c 2989: */1   _asm_not'c'2989 >> 
/* main.c 2990: */
/* main.c 2991: */q
/* main.c 2992: */
/* main.c 2993: */
/* main.c 2994: */+=2994 	__LINE__M~ L"ws"L"ws" 
/* main.c 2995: */yx+=& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1--    	 
/* main.c 2996: */&&
/* main.c 2997: */z 
/* main.c 2998: */y : 
/* main.c 2999: */
/* main.c 3000: */q
/* main.c 3001: */
/* main.c 3002: */~*|?~ -> ||alpha_beta_gamma_delta L !=* 
/* main.c 3003: */
/* main.c 3004: */x
/* main.c 3005: */
/* main.c 3006: */
/* main.c 3007: */+=::
/* main.c 3008: */+= -
/* main.c 3009: */ > ^= ~*
/* main.c 3010: */
/* main.c 3011: */
/* main.c 3012: */w ( 
/* main.c 3013: */
/* main.c 3014: */q
/* main.c 3015: */
/* main.c 3016: */->>>(L'w' }^= ?~ ?)^=<<=L'w' != int~ >int[%L'w'Lname ->
/* main.c 3017: */!=
/* main.c 3018: */
/* main.c 3019: */+=:: , != <<=<<=
/* main.c 3020: */
/* main.c 3021: */"s"( 
/* main.c 3022: */] 	;::) x
/* main.c 3023: */*  
/* main.c 3024: */y<:( :--
/* main.c 3025: */
/* main.c 3026: */
/* main.c 3027: */ab "s" x ({ && 
/* main.c 3028: */
/* main.c 3029: */
/* main.c 3030: */